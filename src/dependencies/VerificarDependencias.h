#pragma once

#include "dependencies/Dependencia.h"

class SessaoBanco;

// Judges every dependency against the installed database versions (table
// KXVERSAOBD): a dependency without a row, or whose installed version is
// below the required one, is flagged outdated, and takes the database's
// description when that is not empty. Every entry gets its VersaoInteiro.
// The flags stay in the shared array. True when none is outdated; an empty
// list passes without touching the database. Database errors raise
// ESQLQueryError.
bool VerificarDependencias(TDependencias& dependencias, SessaoBanco& sessao);
