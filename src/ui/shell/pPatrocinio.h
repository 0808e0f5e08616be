#pragma once
// The sponsorship page: created once at start, shown modally by a sponsor
// slot of any other screen and only hidden when closed. Its own slots load
// their pages in place.
#include "ui/shell/Padrao.h"

class QWidget;
class VisorHtml;

class TfPatrocinio : public TfmPadrao {
    Q_OBJECT
public:
    explicit TfPatrocinio(QWidget* parent = nullptr);
    ~TfPatrocinio() override;

    QWidget* Panel9 = nullptr;
    VisorHtml* wbPatrocinio = nullptr;
    QWidget* Panel10 = nullptr;

    // Caption and page of slot n: the in-place slot click, and what the frame's
    // slot click sets before it shows this page.
    void imClick(int slot);

protected:
    void ativacao() override;

private:
    void FormCreate();
};

extern TfPatrocinio* fPatrocinio;
