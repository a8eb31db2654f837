#pragma once

#include <QPushButton>

// A dialog button that can wrap a long caption over several lines.
class TBotaoQuebravel : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(bool quebraTexto READ QuebraTexto WRITE DefinirQuebraTexto)

public:
    using QPushButton::QPushButton;

    bool QuebraTexto() const { return m_quebraTexto; }
    void DefinirQuebraTexto(bool pQuebra);

protected:
    void paintEvent(QPaintEvent* pEvento) override;

private:
    bool m_quebraTexto = false;
};
