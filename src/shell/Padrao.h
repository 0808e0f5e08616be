#pragma once
// The common frame of every screen but the main menu: borderless and
// maximised, the skin badge and the caption strip coloured by the skin,
// the close button, the rotated caption and the six sponsor slots.
#include <QColor>
#include <QDialog>
#include <QIcon>
#include <QString>

class QLabel;
class QToolButton;
class QWidget;

class TfmPadrao : public QDialog {
    Q_OBJECT
public:
    explicit TfmPadrao(QWidget* parent = nullptr);
    ~TfmPadrao() override;

    // The centre area between the top and bottom strips, where each screen puts its controls.
    QWidget* centro() const;

    // The rotated caption of the strip (LMDLabelFill1); every caption begins with one space.
    void setCaption(const QString& texto);
    QString caption() const;

    // An icon button added to the caption strip below the close button (report, standings).
    QToolButton* adicionaBotaoCaption(const QIcon& icone, const QString& hint);

    // The end colour of the strip's gradient for a skin name (exact comparison).
    static QColor corDoSkin(const QString& skin);
    QColor corCaption() const;

protected:
    // The screen's own activation steps; they run after the frame's activation
    // and only when it went through every step.
    virtual void ativacao() {}

    // The frame's activation (FormActivate): borders, skin badge, strip colour,
    // sponsor slots. Returns false when it stopped on a picture that cannot be read.
    bool FormActivate();

    // Sets the strip colour and badge for a skin without touching the current skin
    // (the skins screen's preview). Throws ErroArquivo when the picture is missing.
    void mostraSkin(const QString& skin);

    struct Privado;
    Privado* d;
};
