#pragma once
// The frame's left column and its activation, shared by every framed screen
// and by the team screen, which carries the same column in its own window.
// The column holds the top border with the skin badge, the caption strip
// (close button, extra icon buttons, rotated caption) with sponsor slots 1
// to 5 beside it, and sponsor slot 6 at its foot. Its activation loads the
// borders, the badge of the current skin, the strip's colour and the six
// slots; the window that owns it decides when an activation counts.
#include <QColor>
#include <QIcon>
#include <QString>
#include <QWidget>
#include <array>
#include <exception>
#include <functional>

class QEvent;
class QLabel;
class QToolButton;
class FaixaCaption;
class FiguraSlot;
class RotuloGirado;

// Decides whether a window's activation counts: the first one after it is
// shown, and every one where the focus comes back from another window of the
// program (a screen or page opened from it). A return from another
// application does not count, nor one from a message box or a pop-up.
class VigiaAtivacao {
public:
    VigiaAtivacao();
    // Feed it every event of the window; true for a WindowActivate that counts.
    bool conta(const QEvent* e);
private:
    bool m_ativada = false;
    quint64 m_marca = 0;
};

// The left column (Panel1), 118 pixels wide.
class ColunaMoldura : public QWidget {
public:
    explicit ColunaMoldura(QWidget* pai = nullptr);

    // The rotated caption (LMDLabelFill1); every caption begins with one space.
    void setCaption(const QString& texto);
    QString caption() const;

    // An icon button added to the caption strip below the close button and the earlier ones.
    QToolButton* adicionaBotaoCaption(const QIcon& icone, const QString& hint);
    QToolButton* botaoFechar() const { return m_fechar; }

    // Image5: the top border, behind the skin badge.
    QLabel* bordaSuperior() const { return m_image5; }

    // The end colour of the strip's gradient for a skin name (exact comparison).
    static QColor corDoSkin(const QString& skin);
    QColor corCaption() const;
    // The current skin name: the menu's edSkin, or "config.ini" when there is no menu.
    static QString skinAtual();
    // The badge and strip colour of a skin. Throws ErroArquivo when its picture is missing.
    void mostraSkin(const QString& skin);

    // The activation steps in order: BordaA into the top border (only when
    // comBordaA), BordaC into slot 6, the skin badge and strip colour, then
    // slots 1 to 6. Throws at the first picture that cannot be read; the
    // steps after it do not run.
    void ativa(bool comBordaA);

    // What the last activation set for slot 1..6, and another click handler for a slot.
    QString hintSlot(int slot) const;
    bool slotLigado(int slot) const;
    void defineCliqueSlot(int slot, std::function<void(int)> clique);

    // Opens the sponsorship page for a slot, modal above this column's window.
    void im1Click(int slot);

private:
    QLabel* m_image5 = nullptr;
    QLabel* m_imSkin = nullptr;
    FaixaCaption* m_faixa = nullptr;
    RotuloGirado* m_rotulo = nullptr;
    QToolButton* m_fechar = nullptr;
    std::array<FiguraSlot*, 6> m_slots{};
};

// Pieces of the frame's look, for windows that build the rest of it themselves.
// A picture from the frame's built-in resources, stretched over the label.
QLabel* figuraMoldura(const QString& recurso, QWidget* pai, const char* nome);
// A plain panel of one background colour.
QWidget* painelMoldura(QWidget* pai, const char* nome, const QColor& cor);
// The right column (Panel7), 30 wide: Image2 at the top, Image4 stretched, Image6 at the bottom.
QWidget* colunaDireitaMoldura(QWidget* pai);

// The activation of a window that carries the column: it counts the window's
// activations, runs the column's activation and then the window's own steps,
// and reports an error once the activation event is over. The window feeds
// it its events from event(): conta() before handling the event, then
// depoisDoEvento() with the result.
class AtivacaoMoldura {
public:
    AtivacaoMoldura(ColunaMoldura* coluna, bool comBordaA);

    bool conta(const QEvent* e) { return m_vigia.conta(e); }
    // When the event counted: the column's activation, then the window's own
    // steps if it went through every step. Errors of either are reported after the event.
    void depoisDoEvento(bool contou, const std::function<void()>& passos);
    // The column's activation alone; false when it stopped on a picture (reported after the event).
    bool ativa();

    // The central handler reports an error after the current event, so that its
    // message box does not open in the middle of the change of the active window.
    static void reportaDepois(std::exception_ptr erro);

private:
    ColunaMoldura* m_coluna;
    bool m_comBordaA;
    VigiaAtivacao m_vigia;
};
