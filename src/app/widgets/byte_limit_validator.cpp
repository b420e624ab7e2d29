#include "app/widgets/byte_limit_validator.h"

#include "app/qt_text.h"

namespace varno {

CByteLimitValidator::CByteLimitValidator(std::size_t limit, QObject* parent)
    : QValidator(parent), limit_(limit) {}

QValidator::State CByteLimitValidator::validate(QString& input, int&) const {
    return ToGbk(input).size() <= limit_ ? Acceptable : Invalid;
}

}  // namespace varno
