// The start-up baseline: the plainest Qt Widgets program with a window of the calculator's
// size and about as many widgets of each kind, so that the start-up benchmark can tell what
// the calculator costs beyond Qt itself. It has no fonts, pictures, icons, palettes or
// resources of its own and does nothing the benchmark could observe from inside: the runner
// watches it from outside like the real program.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QWidget>
#include <array>

namespace {

// Labels, line edits, radio buttons and push buttons per page, counted in the calculator's
// form: four calculator pages and the About page with its picture, credit and link labels.
struct PageCounts {
    int labels;
    int edits;
    int radios;
    int buttons;
};
constexpr std::array pages{
    PageCounts{10, 5, 2, 1}, PageCounts{12, 6, 3, 1}, PageCounts{5, 3, 2, 1},
    PageCounts{11, 7, 4, 1}, PageCounts{3, 0, 0, 0},
};

// Lays the widgets out in rows down the page, roughly as the calculator does.
QWidget* buildPage(const PageCounts& counts) {
    auto* page = new QWidget;
    int row = 0;
    auto place = [&row](QWidget* widget, int left, int width, int height) {
        widget->setGeometry(left + (row / 12) * 160, 8 + (row % 12) * 24, width, height);
        ++row;
    };
    for (int i = 0; i < counts.labels; ++i)
        place(new QLabel(QStringLiteral("Label %1:").arg(i), page), 40, 80, 13);
    for (int i = 0; i < counts.edits; ++i)
        place(new QLineEdit(QStringLiteral("%1").arg(i * 11), page), 40, 121, 21);
    for (int i = 0; i < counts.radios; ++i) place(new QRadioButton(page), 24, 17, 17);
    for (int i = 0; i < counts.buttons; ++i)
        place(new QPushButton(QStringLiteral(" CALC! "), page), 64, 75, 25);
    return page;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal window"));
    window.setFixedSize(388, 365);

    auto* tabs = new QTabWidget(&window);
    tabs->setGeometry(0, 0, 388, 344);
    for (std::size_t i = 0; i < pages.size(); ++i)
        tabs->addTab(buildPage(pages[i]), QStringLiteral("Page %1").arg(i + 1));

    auto* status = new QStatusBar(&window);
    status->setGeometry(0, 344, 388, 21);

    window.show();
    return QApplication::exec();
}
