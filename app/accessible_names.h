// Names and descriptions for assistive technology. Screen readers announce a field by its
// caption and unit and read its hint as the description; a selector says which quantity it
// selects. The captions are the pages' own texts, so names follow them.
#pragma once

class QLabel;
class QString;
class QWidget;

namespace motrel::app {

// Gives every field, selector and CALC! button of the calculator pages its accessible name and
// description, and makes each caption label the buddy of its field.
void describeForAssistiveTechnology(QWidget& form);

// A caption as it is spoken: "Connecting rod:  " is "Connecting rod".
QString spokenCaption(const QLabel& label);

}  // namespace motrel::app
