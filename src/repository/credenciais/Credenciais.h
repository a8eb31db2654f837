#pragma once

// korvanecredenciais: the codec of the request fields and the two encoders
// that protect the database credentials on a routine's command line. It needs
// Qt Core and OpenSSL's libcrypto only, so a routine links it (together with
// the header-only platform/EKorvane.h) to read its own command line:
//
//   // mode 2 arguments: USER [PASSWORD] ALIAS DBUSER CODE EXTRA
//   QString senha = TLoginFacade::SenhaChamarRotina_ler(args[1], args[4].toInt());
//
//   // mode 3 arguments: [DATA] CODE [EXTRA]
//   const int codigo = args[1].toInt();
//   QStringList dados = TCriptoSecurity::DecodificarParametroRotina(args[0], codigo)
//                           .split(';'); // user;user password;db password;alias;db user
//   QString extra = TCriptoSecurity::DecodificarParametroRotina(args[2], codigo);
//
// Decoding errors raise ECodecCifra (an EKorvane) with a Portuguese message.

#include "repository/credenciais/CampoRequisicao.h"
#include "repository/credenciais/CodecCifra.h"
#include "repository/credenciais/CriptoSecurity.h"
#include "repository/credenciais/LoginFacade.h"
