#pragma once

#include <QDate>
#include <QString>

// The database password on a routine's command line (mode 2): each symbol of
// the password is shifted, in the 36-symbol alphabet A-Z then 0-9, by the
// symbol of the day key "dd/mm/yyyy" + routine code read backwards.
//
// Letters and digits survive the round trip; any other character is replaced
// by the key symbol at its position. Where that key character is a date
// separator as well, the sum is 0, which the alphabet's modular arithmetic
// writes as its 36th symbol, "9": the result stays one plain word of capitals
// and digits, safe on a command line.
class TLoginFacade
{
public:
    static QString SenhaChamarRotina_gerar(const QString& psSenha, int pnCodRotina);
    static QString SenhaChamarRotina_gerar(const QString& psSenha, int pnCodRotina,
                                           const QDate& pData);

    // Receiving side: "[...]" loses its brackets and is shifted back with the
    // same key; text without the brackets is taken as plain. Symbols outside
    // the alphabet are kept as they are.
    static QString SenhaChamarRotina_ler(const QString& psTexto, int pnCodRotina);
    static QString SenhaChamarRotina_ler(const QString& psTexto, int pnCodRotina,
                                         const QDate& pData);

    // The key of the given local date: "dd/mm/yyyy" followed by the code.
    static QString ChaveDoDia(const QDate& pData, int pnCodRotina);
};
