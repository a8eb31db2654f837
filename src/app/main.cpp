#include "activation/DirExecucao.h"
#include "app/EncerramentoPorSinal.h"
#include "app/LogoKorvane.h"
#include "app/frmLauncher.h"
#include "repository/dmRepositorio.h"

#include <QApplication>
#include <QScopeGuard>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("korvanestart"));
    QApplication::setApplicationDisplayName(QStringLiteral("Lançador de rotinas do Korvane"));
    QApplication::setWindowIcon(LogoKorvane::icone());
    // The main window stays hidden; the program ends only when it closes, not
    // when the last dialog does.
    QApplication::setQuitOnLastWindowClosed(false);

    // Execution directories left by earlier runs go now; this run's own goes
    // at the very end (or is recorded, while a routine still works in it).
    IniciarDiretoriosDeExecucao();
    const auto finalizarDiretorios = qScopeGuard([] { FinalizarDiretoriosDeExecucao(); });

    // The data module exists before the main window, which reads the version
    // and stores the port through it, and outlives it.
    TdmRepositorio& repositorio = TdmRepositorio::criarInstancia();
    const auto liberarRepositorio = qScopeGuard([] { TdmRepositorio::liberarInstancia(); });

    const QStringList argumentos = QApplication::arguments();
    // Creating the window binds the web module to its HTTP server and starts the service.
    TfrmLauncher frmLauncher(repositorio, argumentos.size() > 1 ? argumentos.at(1) : QString());
    QObject::connect(&frmLauncher, &TfrmLauncher::fechado, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    const EncerramentoPorSinal encerramento([&frmLauncher] { frmLauncher.mniFecharClick(); });

    return QApplication::exec();
}
