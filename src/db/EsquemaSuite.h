#pragma once

#include <QStringList>

class SessaoBanco;

// The tables of the suite that the launcher reads and writes, with the
// decrypt function, on PostgreSQL or SQLite.
namespace EsquemaSuite {

// Table names, upper case.
QStringList tabelas();

// The CREATE TABLE statements, in SQL that both backends accept.
QStringList sqlTabelas();

// Creates whatever is missing; a complete schema is left as it is.
void criar(SessaoBanco& sessao);

// True when every table of the suite exists in the connected schema.
bool existe(SessaoBanco& sessao);

} // namespace EsquemaSuite
