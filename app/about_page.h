// The About page: the address picture, the text about the program with its "here" link, and
// the translation credit. The form wires the picture's and the link's mouse handlers.
#pragma once

#include <QColor>
#include <string_view>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QWidget;

namespace motrel::app {

// The author's home page, opened by a click on the picture.
inline constexpr std::string_view authorHomePage = "http://www.dorvik.example";
// The calculator's page on the moped enthusiasts' site, opened by a click on "here". The
// address was written with four blanks after it; they are not part of the address.
inline constexpr std::string_view informationPage =
    "http://www.moped-enthusiasts.example/motrel_calculator.php    ";

struct AboutPage {
    QLabel* Image1 = nullptr;
    QLabel* Label22 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QLabel* StaticText1 = nullptr;
};

// Creates the page's controls on the sheet in their creation order.
AboutPage buildAboutPage(QWidget& sheet);

// The link's two looks: navy and underlined while highlighted; plain in the given colour.
void highlightLink(QLabel& link);
void plainLink(QLabel& link, const QColor& colour);

}  // namespace motrel::app
