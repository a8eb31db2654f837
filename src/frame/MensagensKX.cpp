#include "frame/MensagensKX.h"

#include <QMessageBox>

void MensagensKX::Informar(QWidget* dono, const QString& texto)
{
    QMessageBox::information(dono, QStringLiteral("Informação"), texto);
}

void MensagensKX::Erro(QWidget* dono, const QString& texto)
{
    QMessageBox::critical(dono, QStringLiteral("Erro"), texto);
}
