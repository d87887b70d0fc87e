#include "about_page.h"

#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QtMath>

#include "platform/colours.h"

namespace motrel::app {
namespace {

const QStringList memoLines{
    QStringLiteral("Dorvik's Motrel Calculator v2"),
    QStringLiteral("by Dorvik"),
    QStringLiteral("24 December 2004"),
    QString(),
    QStringLiteral("Klik here for more information.     "),
    QString(),
    QString(),
    QStringLiteral("Dorvik is not responsible for any damage caused"),
    QStringLiteral("by using information from this calculator."),
};
constexpr int linkLine = 4;  // zero-based: the fifth line holds "here"
const QString linkLead = QStringLiteral("Klik ");

QLabel* addPicture(QWidget& sheet) {
    auto* image = new QLabel(&sheet);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(24, 16, 337, 36);
    // Natural size from the top-left corner; the control cuts off the bottom rows.
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setPixmap(QPixmap(QStringLiteral(":/pictures/address_picture.png")));
    image->setCursor(Qt::PointingHandCursor);
    return image;
}

QPlainTextEdit* addMemo(QGroupBox& group) {
    auto* memo = new QPlainTextEdit(&group);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setGeometry(8, 16, 297, 185);
    memo->setReadOnly(true);
    memo->setFrameStyle(QFrame::NoFrame);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Lines start at the memo's edge, so that the link can be placed over its word.
    memo->document()->setDocumentMargin(0);
    memo->setPlainText(memoLines.join(QLatin1Char('\n')));
    setBackgroundColour(*memo, TColor::cl3DLight);
    return memo;
}

// The link is a control of its own lying over the word "here" of the memo's fifth line, so it
// is placed where the memo lays out that word.
QLabel* addLink(QGroupBox& group, QPlainTextEdit& memo) {
    auto* link = new QLabel(QStringLiteral("here"), &group);
    link->setObjectName(QStringLiteral("StaticText1"));
    // The word's first glyph starts where the layout puts it; the cursor rectangle before it
    // lies a pixel further right, so only its top is taken.
    const QTextBlock block = memo.document()->findBlockByNumber(linkLine);
    const int lead = static_cast<int>(linkLead.size());
    QTextCursor word(block);
    word.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, lead);
    const QRect cursor = memo.cursorRect(word);
    const qreal glyphX = block.layout()->position().x() + block.layout()->lineAt(0).cursorToX(lead);
    link->setGeometry(memo.x() + memo.viewport()->x() + qFloor(glyphX),
                      memo.y() + memo.viewport()->y() + cursor.top(), 21, 17);
    link->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    link->setCursor(Qt::PointingHandCursor);
    link->setFocusPolicy(Qt::NoFocus);
    setBackgroundColour(*link, TColor::clBtnFace);
    plainLink(*link, systemColour(TColor::clBtnText));
    return link;
}

}  // namespace

AboutPage buildAboutPage(QWidget& sheet) {
    AboutPage page;
    page.Image1 = addPicture(sheet);

    page.Label22 = new QLabel(QStringLiteral("Translation: R. Vos"), &sheet);
    page.Label22->setObjectName(QStringLiteral("Label22"));
    page.Label22->setGeometry(264, 296, 111, 13);

    page.GroupBox1 = new QGroupBox(&sheet);
    page.GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    page.GroupBox1->setGeometry(24, 72, 321, 209);

    page.Memo1 = addMemo(*page.GroupBox1);
    page.StaticText1 = addLink(*page.GroupBox1, *page.Memo1);
    return page;
}

void highlightLink(QLabel& link) {
    QPalette palette = link.palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    link.setPalette(palette);
    QFont font = link.font();
    font.setUnderline(true);
    link.setFont(font);
}

void plainLink(QLabel& link, const QColor& colour) {
    QPalette palette = link.palette();
    palette.setColor(QPalette::WindowText, colour);
    link.setPalette(palette);
    QFont font = link.font();
    font.setUnderline(false);
    link.setFont(font);
}

}  // namespace motrel::app
