// Translation of a window and its widgets.
//
// The suite's rules were written for form designers whose components publish
// named properties; here they map onto Qt as follows (first match wins):
//
//   form / frame        a top-level QWidget gets its window title translated; a frame
//                       is any widget whose class (or a base class) is named "TFrame"
//   owned components    every descendant QObject, except inside a frame (the frame
//                       translates its own) and inside a print dialog
//   list view           QTreeWidget / QTableWidget: their column headers, through
//                       their item model (see the dataset row)
//   status bar          QStatusBar: its current message, else the text of every
//                       QLabel panel in it
//   dataset fields      any QAbstractItemModel: the horizontal header text of every
//                       column (Qt::DisplayRole), once per pass
//   frame control etc.  classes matched by name keep their rows: their named Qt
//                       properties (Q_PROPERTY or dynamic) are translated; a string
//                       list property ("Panels", "Categories", "Items", "Bands") item
//                       by item
//   combo box by name   "TRxDBComboBox": its "Items" property, else its QComboBox
//                       item texts, keeping the current index
//   caption             a "Caption" property when the class has one; otherwise the
//                       button or label text, group box title, tab texts (QTabBar,
//                       QToolBox), action text, menu and dock widget titles
//   hint                a "Hint" property when the class has one, else the tool tip
//   report paper        objects of class "TppReport": "PaperName", from the default
//                       printer's paper names (QPrinterInfo)

#include "i18n/KXLinguas.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QStatusBar>
#include <QTabBar>
#include <QTableWidget>
#include <QToolBox>
#include <QTreeWidget>
#include <optional>

namespace {

QByteArray ClasseMaiuscula(const QObject* o)
{
    return QByteArray(o->metaObject()->className()).toUpper();
}

bool EhQuadro(const QObject* o)
{
    return o->inherits("TFrame");
}

bool EhDialogoDeImpressao(const QObject* o)
{
    return ClasseMaiuscula(o) == "TPPPRINTDIALOG" || qobject_cast<const QPrintDialog*>(o);
}

bool Publica(const QObject* o, const char* nome)
{
    return o->metaObject()->indexOfProperty(nome) >= 0 || o->dynamicPropertyNames().contains(nome);
}

QString LinguagemDoRelatorio(const QString& idioma)
{
    static const QHash<QString, QString> linguagens{
        {QStringLiteral("DA"), QStringLiteral("lgDanish")},
        {QStringLiteral("NL"), QStringLiteral("lgDutch")},
        {QStringLiteral("EN"), QStringLiteral("lgEnglish")},
        {QStringLiteral("FR"), QStringLiteral("lgFrench")},
        {QStringLiteral("DE"), QStringLiteral("lgGerman")},
        {QStringLiteral("IT"), QStringLiteral("lgItalian")},
        {QStringLiteral("PT"), QStringLiteral("lgPortuguese")},
        {QStringLiteral("NO"), QStringLiteral("lgNorwegian")},
        {QStringLiteral("ES-MX"), QStringLiteral("lgSpanishMexico")},
        {QStringLiteral("ES"), QStringLiteral("lgSpanish")},
        {QStringLiteral("SV"), QStringLiteral("lgSwedish")}};
    return linguagens.value(idioma, QStringLiteral("lgDefault"));
}

// "A4" for Spanish of Mexico, else "Carta" when the default printer offers
// it, else "Letter".
QString PapelDosRelatorios(const QString& idioma)
{
    if (idioma == QLatin1String("ES-MX"))
        return QStringLiteral("A4");
    for (const QPageSize& tamanho : QPrinterInfo::defaultPrinter().supportedPageSizes())
        if (tamanho.name().compare(QLatin1String("carta"), Qt::CaseInsensitive) == 0)
            return QStringLiteral("Carta");
    return QStringLiteral("Letter");
}

// An action without a tool tip of its own shows its text, which is translated already.
bool TemDicaPropria(const QAction* acao)
{
    QString texto = acao->text();
    texto.remove(QLatin1String("..."));
    texto.remove(QLatin1Char('&'));
    return acao->toolTip() != texto.trimmed();
}

} // namespace

void TKXLinguas::Internacionalizar(QObject* Formulario)
{
    if (!Formulario || !m_enabled || Idioma() == QLatin1String("PT-BR"))
        return;
    const QString idioma = Idioma();
    const QList<QObject*> descendentes = Formulario->findChildren<QObject*>();

    // The printer is asked only when a report is there to set.
    std::optional<QString> papel;
    for (QObject* o : descendentes) {
        if (ClasseMaiuscula(o) != "TPPREPORT")
            continue;
        if (!papel)
            papel = PapelDosRelatorios(idioma);
        o->setProperty("PaperName", *papel);
    }

    FormPass(Formulario);

    for (QObject* o : descendentes)
        if (Publica(o, "KXLinguas") && !o->property("KXLinguas").value<QObject*>())
            if (!o->setProperty("KXLinguas", QVariant::fromValue(this)))
                o->setProperty("KXLinguas", QVariant::fromValue<QObject*>(this));
}

void TKXLinguas::FormPass(QObject* Formulario)
{
    if (EhDialogoDeImpressao(Formulario))
        return;
    if (auto* janela = qobject_cast<QWidget*>(Formulario); janela && janela->isWindow())
        TraduzirPropriedade(janela, "windowTitle");
    if (!EhQuadro(Formulario))
        m_traduzidos.clear();
    PercorrerComponentes(Formulario);
}

void TKXLinguas::PercorrerComponentes(QObject* pPai)
{
    const QList<QObject*> filhos = pPai->children();
    for (QObject* c : filhos) {
        if (m_traduzidos.contains(c))
            continue;
        if (EhQuadro(c)) {
            Internacionalizar(c);
        } else {
            TraduzirComponente(c);
            if (Publica(c, "Hint"))
                TraduzirPropriedade(c, "Hint");
            else if (c->isWidgetType())
                TraduzirPropriedade(c, "toolTip");
            else if (auto* acao = qobject_cast<QAction*>(c); acao && TemDicaPropria(acao))
                TraduzirPropriedade(c, "toolTip");
        }
        m_traduzidos.append(c);
        const QByteArray classe = ClasseMaiuscula(c);
        const bool fechado =
            EhQuadro(c) || EhDialogoDeImpressao(c) || classe.startsWith("TBUTTONPESQUISA");
        if (!fechado)
            PercorrerComponentes(c);
    }
}

void TKXLinguas::TraduzirPropriedade(QObject* pObjeto, const char* pNome)
{
    const QVariant valor = pObjeto->property(pNome);
    if (valor.typeId() == QMetaType::QStringList) {
        QStringList itens = valor.toStringList();
        for (QString& item : itens)
            item = ObtenhaTextoNoIdioma(item);
        pObjeto->setProperty(pNome, itens);
    } else if (valor.typeId() == QMetaType::QString && !valor.toString().isEmpty()) {
        pObjeto->setProperty(pNome, ObtenhaTextoNoIdioma(valor.toString()));
    }
}

void TKXLinguas::TraduzirComponente(QObject* pComponente)
{
    if (!pComponente)
        return;
    QObject* c = pComponente;
    const QByteArray classe = ClasseMaiuscula(c);
    static const char* const propriedadesMenu[] = {
        "HintMaximize", "HintMinimize", "HintClose",    "HintSimplificarGUI",
        "LabelVersao",  "LabelUsuario", "LabelEmpresa", "LabelLoja"};

    if (EhQuadro(c)) {
        Internacionalizar(c);
    } else if (auto* barra = qobject_cast<QStatusBar*>(c)) {
        if (!barra->currentMessage().isEmpty()) {
            barra->showMessage(ObtenhaTextoNoIdioma(barra->currentMessage()));
        } else {
            for (QLabel* painel : barra->findChildren<QLabel*>()) {
                TraduzirPropriedade(painel, "text");
                m_traduzidos.append(painel);
            }
        }
    } else if (classe == "TBUTTONPESQUISA" || classe == "TBUTTONPESQUISABDE" ||
               classe == "TBUTTONPESQUISAODAC") {
        // Search buttons keep their own texts.
    } else if (classe == "TWALLPAPERMENUKX" || classe == "TWALLPAPERROTINAKX") {
        for (const char* nome : propriedadesMenu)
            if (Publica(c, nome))
                TraduzirPropriedade(c, nome);
        if (classe == "TWALLPAPERROTINAKX") {
            if (Publica(c, "StatusText"))
                TraduzirPropriedade(c, "StatusText");
            if (GetPropriedadeKXNac(QStringLiteral("AutoTraduzCaptionWallpaper")) ==
                QLatin1String("T"))
                TraduzirPropriedade(c, "Caption");
            if (Publica(c, "Panels"))
                TraduzirPropriedade(c, "Panels");
        }
    } else if (classe == "TPPREPORT") {
        if (Publica(c, "Language"))
            c->setProperty("Language", LinguagemDoRelatorio(Idioma()));
    } else if (classe == "TCATEGORYBUTTONS") {
        if (Publica(c, "Categories"))
            TraduzirPropriedade(c, "Categories");
    } else if (classe == "TRXDBCOMBOBOX") {
        if (Publica(c, "Items")) {
            const QVariant indice = c->property("ItemIndex");
            TraduzirPropriedade(c, "Items");
            if (indice.isValid())
                c->setProperty("ItemIndex", indice);
        } else if (auto* combo = qobject_cast<QComboBox*>(c)) {
            const int indice = combo->currentIndex();
            for (int i = 0; i < combo->count(); ++i)
                combo->setItemText(i, ObtenhaTextoNoIdioma(combo->itemText(i)));
            combo->setCurrentIndex(indice);
        }
    } else if (classe == "TPESQUISAREDITBUTTON") {
        if (QObject* botao = c->property("PesquisarSpeedButton").value<QObject*>())
            TraduzirPropriedade(botao, "toolTip");
        if (QObject* rotulo = c->property("PesquisarLabel").value<QObject*>())
            TraduzirCaption(rotulo);
    } else if (auto* modelo = qobject_cast<QAbstractItemModel*>(c)) {
        for (int coluna = 0; coluna < modelo->columnCount(); ++coluna) {
            const QVariant titulo = modelo->headerData(coluna, Qt::Horizontal, Qt::DisplayRole);
            if (titulo.typeId() != QMetaType::QString)
                continue;
            const QString traducao = ObtenhaTextoNoIdioma(titulo.toString());
            if (traducao != titulo.toString())
                modelo->setHeaderData(coluna, Qt::Horizontal, traducao, Qt::DisplayRole);
        }
        m_traduzidos.append(c);
    } else if (classe == "TCXGRIDDBBANDEDTABLEVIEW") {
        if (Publica(c, "Bands"))
            TraduzirPropriedade(c, "Bands");
    } else if (classe == "TCXRADIOGROUP" || classe == "TCXDBRADIOGROUP") {
        if (Publica(c, "Items"))
            TraduzirPropriedade(c, "Items");
        TraduzirCaption(c);
    } else {
        TraduzirCaption(c);
    }
}

void TKXLinguas::TraduzirCaption(QObject* Componente)
{
    QObject* c = Componente;
    if (!c)
        return;
    if (Publica(c, "Caption")) {
        TraduzirPropriedade(c, "Caption");
    } else if (auto* botao = qobject_cast<QAbstractButton*>(c)) {
        botao->setText(ObtenhaTextoNoIdioma(botao->text()));
    } else if (auto* rotulo = qobject_cast<QLabel*>(c)) {
        if (rotulo->textFormat() == Qt::PlainText || !Qt::mightBeRichText(rotulo->text()))
            rotulo->setText(ObtenhaTextoNoIdioma(rotulo->text()));
    } else if (auto* grupo = qobject_cast<QGroupBox*>(c)) {
        grupo->setTitle(ObtenhaTextoNoIdioma(grupo->title()));
    } else if (auto* abas = qobject_cast<QTabBar*>(c)) {
        for (int i = 0; i < abas->count(); ++i)
            abas->setTabText(i, ObtenhaTextoNoIdioma(abas->tabText(i)));
    } else if (auto* caixa = qobject_cast<QToolBox*>(c)) {
        for (int i = 0; i < caixa->count(); ++i)
            caixa->setItemText(i, ObtenhaTextoNoIdioma(caixa->itemText(i)));
    } else if (auto* acao = qobject_cast<QAction*>(c)) {
        acao->setText(ObtenhaTextoNoIdioma(acao->text()));
    } else if (auto* menu = qobject_cast<QMenu*>(c)) {
        menu->setTitle(ObtenhaTextoNoIdioma(menu->title()));
    } else if (auto* doca = qobject_cast<QDockWidget*>(c)) {
        doca->setWindowTitle(ObtenhaTextoNoIdioma(doca->windowTitle()));
    }
}
