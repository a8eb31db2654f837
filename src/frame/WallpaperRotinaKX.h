#pragma once

#include "frame/WallpaperKX.h"

#include <QDate>
#include <QStringList>

class QStatusBar;

// The frame of a routine window: the caption band with the routine's code,
// version, user, store and product line, the status bar, the training mode
// and the provisional routine's expiry.
class TWallpaperRotinaKX : public TCustomWallpaperKX
{
    Q_OBJECT

public:
    explicit TWallpaperRotinaKX(QObject* AOwner);
    ~TWallpaperRotinaKX() override;

    QString NomeUsuario() const { return Nome(1); }
    void SetNomeUsuario(const QString& v) { SetNome(1, v); }
    QString NomeLoja() const { return Nome(2); }
    void SetNomeLoja(const QString& v) { SetNome(2, v); }
    QString NomeEmpresa() const { return Nome(3); }
    void SetNomeEmpresa(const QString& v) { SetNome(3, v); }
    QString Nome(int indice) const;
    void SetNome(int indice, const QString& valor);

    bool ShowStatusBar() const { return fShowStatusBar; }
    void SetShowStatusBar(bool v);
    QString StatusText() const;
    void SetStatusText(const QString& v);
    QStringList Panels() const { return fPanels; }
    void SetPanels(const QStringList& panels);
    QStatusBar* StatusBar() const { return fStatusBar; }

    QString LabelValidadeProvisoria();
    void SetLabelValidadeProvisoria(const QString& v);
    QDate DataValidadeProvisoria() const { return fDataValidadeProvisoria; }
    void SetDataValidadeProvisoria(const QDate& v);

    TModoAplicacao ModoAplicacao() const { return fModoAplicacao; }
    void SetModoAplicacao(TModoAplicacao v);

    QRect RetanguloConteudo() const override;

    // The texts of the caption band as they are drawn.
    QString LinhaVersao() const;
    QString LinhaUsuario() const;
    QString LinhaProduto();

protected:
    void Redesenhar() override;
    void DesenharTitulo(QImage& bitmap) override;
    void DesenharFundo(QImage& bitmap) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void PosicionarStatusBar();

    QString fNomeUsuario, fNomeLoja, fNomeEmpresa;
    QStatusBar* fStatusBar = nullptr;
    bool fShowStatusBar = false;
    QString fLabelValidadeProvisoria;
    QDate fDataValidadeProvisoria;
    TModoAplicacao fModoAplicacao = maProducao;
    QStringList fPanels;
};
