// Refuses text whose code-page form (GBK) would take more than a number of bytes: a Chinese
// character counts two, as the files that store the text count it.
#pragma once

#include <QValidator>
#include <cstddef>

namespace varno {

class CByteLimitValidator final : public QValidator {
    Q_OBJECT

public:
    CByteLimitValidator(std::size_t limit, QObject* parent);

    State validate(QString& input, int& position) const override;

private:
    std::size_t limit_;
};

}  // namespace varno
