#pragma once

#include "platform/EKorvane.h"

#include <QByteArray>
#include <QString>
#include <libxml/tree.h>
#include <memory>

// Binding of the dependency manifest: an XML document whose root `rotina`
// holds one `Dependencias` element per routine depended on (children
// `rotinaDep`, `opcao`, `versao`, `descricao`), then optionally
// `versaoKorvane` and `certificado`. Element names are case-sensitive and
// carry no namespace. Kept in its own namespace: the signature file has a
// different binding whose root is also named `rotina`.
namespace RotinaDep {

// A manifest that cannot be read, or a value that is not a whole number.
class ERotinaDep : public EKorvane
{
public:
    using EKorvane::EKorvane;
};

class Documento;
class TXMLDependenciasType;
class TXMLDependenciasTypeList;
class TXMLRotinaType;

using IXMLDependenciasType = std::shared_ptr<TXMLDependenciasType>;
using IXMLDependenciasTypeList = std::shared_ptr<TXMLDependenciasTypeList>;
using IXMLRotinaType = std::shared_ptr<TXMLRotinaType>;

// Base of the bound nodes: a node of a document kept alive by every node
// that refers to it.
class TXMLNode
{
public:
    TXMLNode(std::shared_ptr<Documento> documento, xmlNode* no);
    virtual ~TXMLNode() = default;

    // Text of the child element `nome`; empty when it is absent.
    QString TextoFilho(const char* nome) const;
    // Value of the child element `nome` as a 32-bit integer; raises ERotinaDep
    // when absent, empty or not a whole number.
    qint32 InteiroFilho(const char* nome) const;
    // Sets the text of the child element `nome`, creating it when absent.
    void DefinirFilho(const char* nome, const QString& texto);

    xmlNode* No() const { return m_no; }

protected:
    std::shared_ptr<Documento> m_documento;
    xmlNode* m_no;
};

// One `Dependencias` element.
class TXMLDependenciasType : public TXMLNode
{
public:
    using TXMLNode::TXMLNode;

    QString GetRotinaDep() const;
    qint32 GetOpcao() const;
    QString GetVersao() const;
    QString GetDescricao() const;
    void SetRotinaDep(const QString& valor);
    void SetOpcao(qint32 valor);
    void SetVersao(const QString& valor);
    void SetDescricao(const QString& valor);
};

// All `Dependencias` children of the root, in document order.
class TXMLDependenciasTypeList
{
public:
    TXMLDependenciasTypeList(std::shared_ptr<Documento> documento, xmlNode* raiz);

    int Count() const;
    IXMLDependenciasType Nodes(int Index) const; // the item node at Index
    void Clear();
    void Delete(int Index);
    // Removes the given item; returns its former index, or -1 when it is not one.
    int Remove(const IXMLDependenciasType& item);

    IXMLDependenciasType Add();
    IXMLDependenciasType Insert(int Index);
    IXMLDependenciasType GetItem(int Index) const;

private:
    xmlNode* ItemNo(int Index) const;

    std::shared_ptr<Documento> m_documento;
    xmlNode* m_raiz;
};

// The root element `rotina`.
class TXMLRotinaType : public TXMLNode
{
public:
    TXMLRotinaType(std::shared_ptr<Documento> documento, xmlNode* no);

    IXMLDependenciasTypeList GetDependencias() const { return FDependencias; }
    qint32 GetVersaoKorvane() const;
    QString GetCertificado() const;
    void SetVersaoKorvane(qint32 valor);
    void SetCertificado(const QString& valor);

    // The document as UTF-8 XML text, and saved to a file.
    QByteArray XML() const;
    void SaveToFile(const QString& fileName) const;

private:
    IXMLDependenciasTypeList FDependencias;
};

// Opens and parses a manifest (any encoding its prolog declares, UTF-8
// without one). Raises ERotinaDep when the file is missing, not well-formed,
// or its root is not `rotina`.
IXMLRotinaType LoadRotinaDep(const QString& FileName);

// A new, empty manifest (for tools that write manifests).
IXMLRotinaType NewRotinaDep();

} // namespace RotinaDep
