#include <string>

#include "motrel/number_text.h"

namespace motrel {

std::string errorBoxText(std::string_view message) {
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
    return text;
}

}  // namespace motrel
