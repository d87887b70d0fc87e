#include "motrel/errors.h"

namespace motrel {

EConvertError::EConvertError(const std::string& fieldText)
    : Exception("'" + fieldText + "' is not a valid floating point value") {}

EInvalidOp::EInvalidOp() : EMathError("Invalid floating point operation") {}

EZeroDivide::EZeroDivide() : EMathError("Floating point division by zero") {}

EOverflow::EOverflow() : EMathError("Floating point overflow") {}

}  // namespace motrel
