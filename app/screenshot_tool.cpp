// Writes a PNG of the window for each of its five pages: the real form, shown on the screen
// the program runs on (scripts/screenshots.sh gives it a virtual one), each page brought to
// the front in turn and the window grabbed.
//
//   motrel-screenshots <output directory>
#include <QDir>
#include <QTabWidget>
#include <QTimer>
#include <array>
#include <iostream>

#include "form1.h"
#include "platform/application.h"
#include "program_title.h"

int main(int argc, char** argv) {
    using namespace motrel::app;
    if (auto problem = missingDisplayMessage("motrel-screenshots")) {
        std::cerr << *problem << '\n';
        return 1;
    }
    TApplication Application(argc, argv);
    Application.Initialize();
    Application.setTitle(QString::fromUtf8(programTitle));

    const QDir output(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    if (!QDir().mkpath(output.path())) {
        std::cerr << "motrel-screenshots: cannot create " << output.path().toStdString() << '\n';
        return 1;
    }
    constexpr std::array fileNames{"1-transfer-exhaust.png", "2-intake.png", "3-port-width.png",
                                   "4-speed-rpm.png", "5-about.png"};

    TForm1 form;
    form.show();
    int failures = 0;
    // Give the window system time to map and paint the window before the first grab.
    QTimer::singleShot(500, &form, [&] {
        for (int page = 0; page < static_cast<int>(fileNames.size()); ++page) {
            form.PageControl1->setCurrentIndex(page);
            QApplication::processEvents();
            const QString path = output.filePath(QString::fromLatin1(fileNames.at(page)));
            if (!form.grab().save(path)) {
                std::cerr << "motrel-screenshots: cannot write " << path.toStdString() << '\n';
                ++failures;
            }
        }
        QApplication::quit();
    });
    QApplication::exec();
    return failures == 0 ? 0 : 1;
}
