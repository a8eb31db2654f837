#include "i18n/BotaoQuebravel.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void TBotaoQuebravel::DefinirQuebraTexto(bool pQuebra)
{
    m_quebraTexto = pQuebra;
    update();
}

void TBotaoQuebravel::paintEvent(QPaintEvent* pEvento)
{
    if (!m_quebraTexto) {
        QPushButton::paintEvent(pEvento);
        return;
    }
    // The bevel as usual, then the caption wrapped inside the button's contents.
    QStylePainter pintor(this);
    QStyleOptionButton opcao;
    initStyleOption(&opcao);
    const QString texto = opcao.text;
    opcao.text.clear();
    pintor.drawControl(QStyle::CE_PushButton, opcao);
    const QRect area =
        style()->subElementRect(QStyle::SE_PushButtonContents, &opcao, this).adjusted(2, 0, -2, 0);
    pintor.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, palette(),
                        isEnabled(), texto, QPalette::ButtonText);
}
