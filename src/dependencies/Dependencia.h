#pragma once

#include <QList>
#include <QString>
#include <memory>

// One routine whose database objects must be at a minimum version before a
// routine may run, as read from the package's dependency manifest.
struct TDependencia
{
    QString Rotina;    // column ROTINA of KXVERSAOBD
    qint32 Opcao = 0;  // column OPCAO of KXVERSAOBD
    QString Versao;    // minimum version, four numbers of at least two digits
    QString Descricao; // shown to the user when outdated
    bool Desatualizada = false;
    qint64 VersaoInteiro = 0; // VersaoParaInteiro(Versao), set when judged
};

// The dependency list of a routine. Copies share the same array (the package,
// the pipeline, the dialog and the reply see the same outdated flags); use
// clone() for an independent copy.
class TDependencias
{
public:
    TDependencias()
        : m_itens(std::make_shared<QList<TDependencia>>())
    {}

    qsizetype size() const { return m_itens->size(); }
    qsizetype count() const { return m_itens->size(); }
    bool isEmpty() const { return m_itens->isEmpty(); }

    TDependencia& operator[](qsizetype i) { return (*m_itens)[i]; }
    const TDependencia& operator[](qsizetype i) const { return m_itens->at(i); }
    const TDependencia& at(qsizetype i) const { return m_itens->at(i); }

    QList<TDependencia>::iterator begin() { return m_itens->begin(); }
    QList<TDependencia>::iterator end() { return m_itens->end(); }
    QList<TDependencia>::const_iterator begin() const { return m_itens->cbegin(); }
    QList<TDependencia>::const_iterator end() const { return m_itens->cend(); }

    void append(const TDependencia& d) { m_itens->append(d); }
    void resize(qsizetype n) { m_itens->resize(n); }
    void clear() { m_itens->clear(); }
    // Replaces the contents seen by every holder of this array.
    void assign(const QList<TDependencia>& itens) { *m_itens = itens; }

    // True when both handles share the same array.
    bool compartilhaCom(const TDependencias& outra) const { return m_itens == outra.m_itens; }
    TDependencias clone() const
    {
        TDependencias copia;
        *copia.m_itens = *m_itens;
        return copia;
    }

private:
    std::shared_ptr<QList<TDependencia>> m_itens;
};

// The version of a manifest dependency in its stored form: the first four
// dotted numbers, each of at least two digits ("1.2.3.400" -> "01.02.03.400").
// Raises RotinaDep::ERotinaDep when there are fewer than four parts or one of
// them is not a whole number; parts past the fourth are ignored.
QString NormalizarVersaoDependencia(const QString& versao);

// The dependencies a manifest file lists, in order, versions normalised.
// Raises RotinaDep::ERotinaDep when the file cannot be read or a value is
// not valid.
QList<TDependencia> LerDependenciasDoManifesto(const QString& arquivo);
