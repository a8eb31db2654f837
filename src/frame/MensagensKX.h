#pragma once

#include <QString>

class QWidget;

// The frame's messages to the user, in the suite's dialog style.
namespace MensagensKX {

void Informar(QWidget* dono, const QString& texto);
void Erro(QWidget* dono, const QString& texto);

} // namespace MensagensKX
