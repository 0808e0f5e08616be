#pragma once
// The program's flat blue button: white bold caption on #3469A5, a raised
// edge in RGB(138,162,215) while the pointer is over it, and a yellow
// caption while it is the selected one of its group.
#include "core/Cores.h"
#include <QIcon>
#include <QPushButton>

class BotaoAzul : public QPushButton {
    Q_OBJECT
public:
    explicit BotaoAzul(const QString& texto = QString(), QWidget* parent = nullptr);

    void setSelecionado(bool selecionado);
    bool selecionado() const { return m_selecionado; }

    // The caption colour as drawn: yellow when selected, white otherwise.
    QColor corTexto() const;

    static QColor corFace() { return Cores::botao; }
    static QColor corRealce() { return QColor(138, 162, 215); }

protected:
    void paintEvent(QPaintEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    bool m_selecionado = false;
    bool m_sobre = false;
};

// The icon of the caption strip's standings button: a podium.
QIcon iconeClassificacao();
