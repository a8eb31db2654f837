#include "dependencies/RotinaDep.h"

#include <QFile>
#include <QSaveFile>
#include <cstring>
#include <iterator>
#include <libxml/parser.h>
#include <libxml/xmlerror.h>
#include <mutex>
#include <vector>

namespace RotinaDep {

// Owns the parsed tree and the nodes taken out of it (kept until the end so a
// handle to a deleted item never dangles).
class Documento
{
public:
    explicit Documento(xmlDoc* doc)
        : m_doc(doc)
    {}
    ~Documento()
    {
        for (xmlNode* no : m_removidos)
            xmlFreeNode(no);
        xmlFreeDoc(m_doc);
    }
    Documento(const Documento&) = delete;
    Documento& operator=(const Documento&) = delete;

    xmlDoc* doc() const { return m_doc; }
    void guardarRemovido(xmlNode* no) { m_removidos.push_back(no); }

private:
    xmlDoc* m_doc;
    std::vector<xmlNode*> m_removidos;
};

namespace {

constexpr qint64 kTamanhoMaximo = 16 << 20;

const xmlChar* xc(const char* texto)
{
    return reinterpret_cast<const xmlChar*>(texto);
}

bool elementoChamado(const xmlNode* no, const char* nome)
{
    return no->type == XML_ELEMENT_NODE && no->ns == nullptr && xmlStrEqual(no->name, xc(nome));
}

xmlNode* primeiroFilho(const xmlNode* pai, const char* nome)
{
    for (xmlNode* no = pai->children; no; no = no->next) {
        if (elementoChamado(no, nome))
            return no;
    }
    return nullptr;
}

// Text content of an element and its descendants; entity references of the
// document's own DTD are not expanded (the parser already replaced the
// predefined and character references).
void juntarTexto(const xmlNode* no, QByteArray& saida)
{
    for (const xmlNode* filho = no->children; filho; filho = filho->next) {
        if ((filho->type == XML_TEXT_NODE || filho->type == XML_CDATA_SECTION_NODE) &&
            filho->content) {
            saida += reinterpret_cast<const char*>(filho->content);
        } else if (filho->type == XML_ELEMENT_NODE) {
            juntarTexto(filho, saida);
        }
    }
}

// Where a new child goes: before the first sibling that comes later in the
// element order of the parent.
int posicaoNaOrdem(const xmlNode* no, const char* const* ordem, int tamanho)
{
    for (int i = 0; i < tamanho; ++i) {
        if (elementoChamado(no, ordem[i]))
            return i;
    }
    return -1;
}

constexpr const char* kOrdemRaiz[] = {"Dependencias", "versaoKorvane", "certificado"};
constexpr const char* kOrdemDependencia[] = {"rotinaDep", "opcao", "versao", "descricao"};

xmlNode* criarFilhoEmOrdem(xmlDoc* doc, xmlNode* pai, const char* nome)
{
    const char* const* ordem = kOrdemDependencia;
    int tamanho = int(std::size(kOrdemDependencia));
    if (elementoChamado(pai, "rotina") && pai->parent && pai->parent->type == XML_DOCUMENT_NODE) {
        ordem = kOrdemRaiz;
        tamanho = int(std::size(kOrdemRaiz));
    }
    int minha = -1;
    for (int i = 0; i < tamanho; ++i) {
        if (std::strcmp(ordem[i], nome) == 0)
            minha = i;
    }
    xmlNode* novo = xmlNewDocNode(doc, nullptr, xc(nome), nullptr);
    if (minha >= 0) {
        for (xmlNode* irmao = pai->children; irmao; irmao = irmao->next) {
            if (posicaoNaOrdem(irmao, ordem, tamanho) > minha)
                return xmlAddPrevSibling(irmao, novo);
        }
    }
    return xmlAddChild(pai, novo);
}

qint32 converterInteiro(const QString& texto)
{
    bool ok = false;
    const qint32 valor = texto.trimmed().toInt(&ok, 10);
    if (!ok) {
        throw ERotinaDep(QStringLiteral("'%1' não é um valor inteiro válido.").arg(texto));
    }
    return valor;
}

void iniciarParser()
{
    static std::once_flag uma;
    std::call_once(uma, [] { xmlInitParser(); });
}

IXMLRotinaType vincularRaiz(xmlDoc* doc, const QString& origem)
{
    auto documento = std::make_shared<Documento>(doc);
    xmlNode* raiz = xmlDocGetRootElement(doc);
    if (!raiz || !elementoChamado(raiz, "rotina")) {
        throw ERotinaDep(
            QStringLiteral("O manifesto de dependências \"%1\" não tem o elemento raiz \"rotina\".")
                .arg(origem));
    }
    return std::make_shared<TXMLRotinaType>(documento, raiz);
}

} // namespace

TXMLNode::TXMLNode(std::shared_ptr<Documento> documento, xmlNode* no)
    : m_documento(std::move(documento))
    , m_no(no)
{}

QString TXMLNode::TextoFilho(const char* nome) const
{
    const xmlNode* filho = primeiroFilho(m_no, nome);
    if (!filho)
        return QString();
    QByteArray texto;
    juntarTexto(filho, texto);
    return QString::fromUtf8(texto);
}

qint32 TXMLNode::InteiroFilho(const char* nome) const
{
    return converterInteiro(TextoFilho(nome));
}

void TXMLNode::DefinirFilho(const char* nome, const QString& texto)
{
    xmlNode* filho = primeiroFilho(m_no, nome);
    if (!filho)
        filho = criarFilhoEmOrdem(m_documento->doc(), m_no, nome);
    xmlNodeSetContent(filho, nullptr);
    const QByteArray utf8 = texto.toUtf8();
    xmlAddChild(filho, xmlNewDocText(m_documento->doc(), xc(utf8.constData())));
}

QString TXMLDependenciasType::GetRotinaDep() const
{
    return TextoFilho("rotinaDep");
}
qint32 TXMLDependenciasType::GetOpcao() const
{
    return InteiroFilho("opcao");
}
QString TXMLDependenciasType::GetVersao() const
{
    return TextoFilho("versao");
}
QString TXMLDependenciasType::GetDescricao() const
{
    return TextoFilho("descricao");
}
void TXMLDependenciasType::SetRotinaDep(const QString& valor)
{
    DefinirFilho("rotinaDep", valor);
}
void TXMLDependenciasType::SetOpcao(qint32 valor)
{
    DefinirFilho("opcao", QString::number(valor));
}
void TXMLDependenciasType::SetVersao(const QString& valor)
{
    DefinirFilho("versao", valor);
}
void TXMLDependenciasType::SetDescricao(const QString& valor)
{
    DefinirFilho("descricao", valor);
}

TXMLDependenciasTypeList::TXMLDependenciasTypeList(std::shared_ptr<Documento> documento,
                                                   xmlNode* raiz)
    : m_documento(std::move(documento))
    , m_raiz(raiz)
{}

xmlNode* TXMLDependenciasTypeList::ItemNo(int Index) const
{
    int i = 0;
    for (xmlNode* no = m_raiz->children; no; no = no->next) {
        if (elementoChamado(no, "Dependencias") && i++ == Index)
            return no;
    }
    return nullptr;
}

int TXMLDependenciasTypeList::Count() const
{
    int total = 0;
    for (const xmlNode* no = m_raiz->children; no; no = no->next) {
        if (elementoChamado(no, "Dependencias"))
            ++total;
    }
    return total;
}

IXMLDependenciasType TXMLDependenciasTypeList::Nodes(int Index) const
{
    return GetItem(Index);
}

IXMLDependenciasType TXMLDependenciasTypeList::GetItem(int Index) const
{
    xmlNode* no = Index >= 0 ? ItemNo(Index) : nullptr;
    if (!no)
        throw ERotinaDep(QStringLiteral("Índice de dependência fora dos limites (%1).").arg(Index));
    return std::make_shared<TXMLDependenciasType>(m_documento, no);
}

void TXMLDependenciasTypeList::Clear()
{
    while (Count() > 0)
        Delete(0);
}

void TXMLDependenciasTypeList::Delete(int Index)
{
    xmlNode* no = Index >= 0 ? ItemNo(Index) : nullptr;
    if (!no)
        throw ERotinaDep(QStringLiteral("Índice de dependência fora dos limites (%1).").arg(Index));
    xmlUnlinkNode(no);
    m_documento->guardarRemovido(no);
}

int TXMLDependenciasTypeList::Remove(const IXMLDependenciasType& item)
{
    if (!item)
        return -1;
    int i = 0;
    for (xmlNode* no = m_raiz->children; no; no = no->next) {
        if (!elementoChamado(no, "Dependencias"))
            continue;
        if (no == item->No()) {
            Delete(i);
            return i;
        }
        ++i;
    }
    return -1;
}

IXMLDependenciasType TXMLDependenciasTypeList::Add()
{
    xmlNode* no = criarFilhoEmOrdem(m_documento->doc(), m_raiz, "Dependencias");
    return std::make_shared<TXMLDependenciasType>(m_documento, no);
}

IXMLDependenciasType TXMLDependenciasTypeList::Insert(int Index)
{
    xmlNode* antes = Index >= 0 ? ItemNo(Index) : nullptr;
    if (!antes) {
        if (Index != Count())
            throw ERotinaDep(
                QStringLiteral("Índice de dependência fora dos limites (%1).").arg(Index));
        return Add();
    }
    xmlNode* no = xmlNewDocNode(m_documento->doc(), nullptr, xc("Dependencias"), nullptr);
    xmlAddPrevSibling(antes, no);
    return std::make_shared<TXMLDependenciasType>(m_documento, no);
}

TXMLRotinaType::TXMLRotinaType(std::shared_ptr<Documento> documento, xmlNode* no)
    : TXMLNode(documento, no)
    , FDependencias(std::make_shared<TXMLDependenciasTypeList>(documento, no))
{}

qint32 TXMLRotinaType::GetVersaoKorvane() const
{
    return InteiroFilho("versaoKorvane");
}
QString TXMLRotinaType::GetCertificado() const
{
    return TextoFilho("certificado");
}
void TXMLRotinaType::SetVersaoKorvane(qint32 valor)
{
    DefinirFilho("versaoKorvane", QString::number(valor));
}
void TXMLRotinaType::SetCertificado(const QString& valor)
{
    DefinirFilho("certificado", valor);
}

QByteArray TXMLRotinaType::XML() const
{
    xmlChar* memoria = nullptr;
    int tamanho = 0;
    xmlDocDumpFormatMemoryEnc(m_documento->doc(), &memoria, &tamanho, "UTF-8", 1);
    QByteArray texto(reinterpret_cast<const char*>(memoria), tamanho);
    xmlFree(memoria);
    return texto;
}

void TXMLRotinaType::SaveToFile(const QString& fileName) const
{
    QSaveFile arquivo(fileName);
    if (!arquivo.open(QIODevice::WriteOnly) || arquivo.write(XML()) < 0 || !arquivo.commit()) {
        throw ERotinaDep(QStringLiteral("Não foi possível gravar o manifesto \"%1\": %2")
                             .arg(fileName, arquivo.errorString()));
    }
}

IXMLRotinaType LoadRotinaDep(const QString& FileName)
{
    iniciarParser();
    QFile arquivo(FileName);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        throw ERotinaDep(QStringLiteral("Não foi possível abrir o manifesto \"%1\": %2")
                             .arg(FileName, arquivo.errorString()));
    }
    if (arquivo.size() > kTamanhoMaximo) {
        throw ERotinaDep(
            QStringLiteral("O manifesto \"%1\" é grande demais para ser lido.").arg(FileName));
    }
    const QByteArray conteudo = arquivo.read(kTamanhoMaximo + 1);
    if (conteudo.size() > kTamanhoMaximo) {
        throw ERotinaDep(
            QStringLiteral("O manifesto \"%1\" é grande demais para ser lido.").arg(FileName));
    }

    std::unique_ptr<xmlParserCtxt, decltype(&xmlFreeParserCtxt)> contexto(xmlNewParserCtxt(),
                                                                          &xmlFreeParserCtxt);
    if (!contexto)
        throw ERotinaDep(QStringLiteral("Memória insuficiente para ler o manifesto."));
    const QByteArray url = QFile::encodeName(FileName);
    xmlDoc* doc = xmlCtxtReadMemory(contexto.get(), conteudo.constData(), int(conteudo.size()),
                                    url.constData(), nullptr,
                                    XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (!doc || !contexto->wellFormed) {
        if (doc)
            xmlFreeDoc(doc);
        const xmlError* erro = xmlCtxtGetLastError(contexto.get());
        const QString texto = erro && erro->message ? QString::fromUtf8(erro->message).trimmed()
                                                    : QStringLiteral("documento XML inválido");
        throw ERotinaDep(QStringLiteral("O manifesto de dependências \"%1\" não pôde ser lido "
                                        "(linha %2): %3")
                             .arg(FileName)
                             .arg(erro ? erro->line : 0)
                             .arg(texto));
    }
    return vincularRaiz(doc, FileName);
}

IXMLRotinaType NewRotinaDep()
{
    iniciarParser();
    xmlDoc* doc = xmlNewDoc(xc("1.0"));
    xmlDocSetRootElement(doc, xmlNewDocNode(doc, nullptr, xc("rotina"), nullptr));
    return vincularRaiz(doc, QString());
}

} // namespace RotinaDep
