#pragma once
// The common frame of every screen but the main menu: borderless and
// maximised, the skin badge and the caption strip coloured by the skin,
// the close button, the rotated caption and the six sponsor slots.
#include "ui/shell/Moldura.h"

#include <QColor>
#include <QDialog>
#include <QIcon>
#include <QString>
#include <functional>
#include <utility>

class QLabel;
class QToolButton;
class QWidget;
class QEvent;
class QKeyEvent;

// The frame is built at the design size 1028 x 753; opening it (abreTela,
// mostraModal) shows it maximised and modal. A window shown without blocking
// its opener calls showMaximized() itself. Closing a frame only hides it;
// abreTela frees it afterwards, the sponsorship page stays for the next opening.
// Escape and Enter do not close a framed screen: only its close button does.
class TfmPadrao : public QDialog {
    Q_OBJECT
public:
    explicit TfmPadrao(QWidget* parent = nullptr);
    ~TfmPadrao() override;

    // The centre area between the top and bottom strips, where each screen puts its controls.
    QWidget* centro() const;
    // Height of those strips. Design places count from the top of the centre
    // area, strip included: a control at y stands at y - kAlturaFaixa in centro().
    static constexpr int kAlturaFaixa = 23;

    // The rotated caption of the strip (LMDLabelFill1); every caption begins with one space.
    void setCaption(const QString& texto);
    QString caption() const;

    // An icon button added to the caption strip below the close button (report, standings).
    QToolButton* adicionaBotaoCaption(const QIcon& icone, const QString& hint);

    // The end colour of the strip's gradient for a skin name (exact comparison).
    static QColor corDoSkin(const QString& skin);
    QColor corCaption() const;

    // The current skin name: the menu's edSkin, or "config.ini" when there is no menu.
    static QString skinAtual();

    // Slot clicks: im1Click opens the sponsorship page, im2Click does nothing.
    void im1Click(int slot);
    void im2Click(int slot);

protected:
    // The screen's own activation steps; they run after the frame's activation
    // and only when it went through every step. An error they throw stops them
    // and is reported like one of the frame's own steps.
    virtual void ativacao() {}

    // The frame's activation (FormActivate): borders, skin badge, strip colour,
    // sponsor slots. Returns false when it stopped on a picture that cannot be read.
    bool FormActivate();

    // Sets the strip colour and badge for a skin without touching the current skin
    // (the skins screen's preview). Throws ErroArquivo when the picture is missing.
    void mostraSkin(const QString& skin);

    // What the last activation read for slot 1..6 (the pictures im1..im5 and
    // Image10), and a way to give a slot another click handler.
    QString hintSlot(int slot) const;
    bool slotLigado(int slot) const;
    void defineCliqueSlot(int slot, std::function<void(int)> clique);

    // Fills the centre area with a column: a 5-pixel strip in the page colour
    // (named acima), the widget meio taking the rest, and another strip (abaixo).
    // Returns the two strips, top first.
    std::pair<QWidget*, QWidget*> centroEntreEspacos(QWidget* meio, const char* acima, const char* abaixo);

    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

    struct Privado;
    Privado* d;
};
