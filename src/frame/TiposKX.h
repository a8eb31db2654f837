#pragma once

#include <QPoint>

class QWidget;

// Enumerations shared by the frame control, its caption buttons and the
// windows that the frame opens. The numbers are stored and compared as such.

enum TModoAplicacao
{
    maProducao = 0,
    maTreinamento = 1,
    maHomologacao = 2
};

enum TMenuContextoItem
{
    mciParametros132 = 0,
    mciPermisoes530 = 1,
    mciParametrosWMS = 2
};

// Product family of a program of the suite; the same numbers are the
// application types of the settings store.
enum TSiglaAplicacao
{
    saNenhum = 0,
    saKorvane = 1,
    saVexil = 2,
    saTorvo = 3,
    saTrevan = 4,
    saDravi = 5,
    saQuindo = 6,
    saPolen = 7,
    saVarnel = 8,
    saTaldo = 9
};

enum TSizePos
{
    spNone = 0,
    spTopLeft = 1,
    spTop = 2,
    spTopRight = 3,
    spLeft = 4,
    spRight = 5,
    spBottomLeft = 6,
    spBottom = 7,
    spBottomRight = 8
};

enum TIconBotaoWindow
{
    ibMinimizar = 0,
    ibMaximizar = 1,
    ibFechar = 2,
    ibSimplicarGUI = 3,
    ibHelp = 4,
    ibMenuContexto = 5
};

// What the size handler needs from the frame control.
class IControlSizable
{
public:
    virtual bool GetSizable() const = 0;
    virtual void SetSizable(bool valor) = 0;
    virtual bool Maximizado() const = 0;
    virtual int GetWidth() const = 0;
    virtual int GetHeight() const = 0;
    virtual QWidget* Formulario() const = 0;
    virtual bool HasParent() const = 0;
    virtual QPoint ScreenToClient(const QPoint& ponto) const = 0;

protected:
    ~IControlSizable() = default;
};

// What the caption buttons need from the frame control.
class ICustomWallpaperKX
{
public:
    virtual QWidget* Controle() = 0;
    virtual void SetInterfaceSimplificada(bool valor) = 0;
    virtual bool GetInterfaceSimplificada() const = 0;
    virtual void SetInterfaceMonitoramento(bool valor) = 0;
    virtual bool GetInterfaceMonitoramento() const = 0;
    virtual void FecharForm() = 0;
    virtual void AlternarMaximizacao() = 0;
    virtual void MinimizarAplicacao() = 0;
    virtual void AbrirItemMenuContexto(TMenuContextoItem item) = 0;
    virtual bool FormularioMaximizado() const = 0;
    virtual void AposRestaurarForm() = 0;
    virtual void ChamarHelp() = 0;

protected:
    ~ICustomWallpaperKX() = default;
};
