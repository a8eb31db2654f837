#pragma once

#include <QString>

class SessaoBanco;

// A small demo suite: employees with database users and enciphered passwords,
// routines with actions, permissions, system parameters, installed versions,
// discontinued routines, the licence and the network directory. Loading it
// again adds only what is missing, so there is always one copy.
namespace DadosDemo {

// The demo employee whose database user is the routine login of the test
// server (scripts/pg-test-cluster.sh creates it with this password).
inline constexpr int kMatriculaUsuario = 1001;
inline constexpr const char* kUsuarioBD = "KXUSUARIO";
inline constexpr const char* kSenhaBD = "SENHA123";

// The network directory stored when none is given: <installation>/Rede.
QString dirRedePadrao();

// Creates the schema when missing and loads the demo rows in one transaction.
// `dirRede` (when not empty) replaces the stored network directory.
void carregar(SessaoBanco& sessao, const QString& dirRede = {});

} // namespace DadosDemo
