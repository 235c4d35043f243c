#include "store/Exception.h"

namespace qz8 {

Exception::Exception(const QString& message) : std::runtime_error(message.toStdString()) { }

} // namespace qz8
