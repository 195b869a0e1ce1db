#pragma once

#include <QValidator>

#include <optional>

namespace lineon::ui {

/// Accepts decimal numbers with "." (a "," typed is taken as ".") in a range with at most a given
/// number of decimals; a beginning that can still grow into such a number is intermediate.
class CiselnyValidator : public QValidator {
public:
    CiselnyValidator(double nejmene, double nejvice, int desetin, QObject* rodic);

    State validate(QString& vstup, int& pozice) const override;

    /// The number of a text that the validator accepts.
    std::optional<double> Hodnota(const QString& text) const;

private:
    double nejmene_;
    double nejvice_;
    int desetin_;
};

} // namespace lineon::ui
