#include "platform/LinhaDeComandoWindows.h"

QStringList DividirArgumentosWindows(const QString& texto)
{
    QStringList argumentos;
    QString atual;
    bool temArgumento = false; // "" alone is an argument, empty but present
    bool entreAspas = false;
    const qsizetype n = texto.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = texto[i];
        if (!entreAspas && (c == QLatin1Char(' ') || c == QLatin1Char('\t'))) {
            if (temArgumento)
                argumentos << atual;
            atual.clear();
            temArgumento = false;
            ++i;
            continue;
        }
        temArgumento = true;
        if (c == QLatin1Char('\\')) {
            qsizetype barras = 0;
            while (i < n && texto[i] == QLatin1Char('\\')) {
                ++barras;
                ++i;
            }
            if (i < n && texto[i] == QLatin1Char('"')) {
                atual += QString(barras / 2, QLatin1Char('\\'));
                if (barras % 2 == 1) {
                    atual += QLatin1Char('"');
                    ++i;
                }
                // With an even count the quote is handled by the next round.
            } else {
                atual += QString(barras, QLatin1Char('\\'));
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            if (entreAspas && i + 1 < n && texto[i + 1] == QLatin1Char('"')) {
                atual += QLatin1Char('"');
                entreAspas = false;
                i += 2;
                continue;
            }
            entreAspas = !entreAspas;
            ++i;
            continue;
        }
        atual += c;
        ++i;
    }
    if (temArgumento)
        argumentos << atual;
    return argumentos;
}
