#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

class TKXLinguas;

// Text helpers of the localization component, usable without a component.

// Each value in turn replaces the first "%s" left in the text; surplus values
// are dropped and surplus markers stay.
QString SubstituirParametros(const QString& Texto, const QStringList& Valores);

// Every "^M" (either case of the M) becomes a carriage return.
QString TrocarQuebrasDeLinha(const QString& Texto);

// With a component, its translation of Texto filled with MsgParams; without
// one, the parameters filled in and "^M" turned into line breaks.
QString TextoNoIdioma(TKXLinguas* Linguas, const QString& Texto, const QStringList& MsgParams);

// The dictionary key of a text: outer "#" pairs, spaces, "&" and trailing ":"
// removed, line breaks written "^M", upper case.
QString NormalizarTermoPesquisa(const QString& t);

// Accented Latin letters replaced by their plain letter.
QString RemoverAcentos(const QString& t);

// True for a non-blank text without a single letter or space: numbers, dates
// and symbols are never looked up.
bool TextoSemLetras(const QString& t);

// Removes leading and trailing white space and control characters.
QString AparaTexto(const QString& t);

// The process-wide option list (name=value pairs).
QString GetPropriedadeKXNac(const QString& NomePropriedade);
void SetPropriedadeKXNac(const QString& NomePropriedade, const QString& Valor);

// printf-like formatting with typed values, as the suite's error messages
// expect: %d %u %x %e %f %g %n %m %s %p, with index ("%1:s"), "-", width and
// precision; "%%" gives "%". A value of the wrong kind raises EKorvane.
QString FormatarTexto(const QString& Formato, const QVariantList& Args);
