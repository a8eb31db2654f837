#pragma once

#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

// A filter expression of a dataset: comparisons of a field with a quoted text
// or a number (=, <>, <, >, <=, >=), joined by AND, OR, NOT and parentheses.
class FiltroKX
{
public:
    using Leitor = std::function<QVariant(const QString& campo)>;

    // Raises EKorvane when the text is not an expression.
    static std::shared_ptr<const FiltroKX> Interpretar(const QString& texto);

    virtual ~FiltroKX() = default;
    virtual bool Aceita(const Leitor& valorDe) const = 0;
};
