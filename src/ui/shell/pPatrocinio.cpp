#include "ui/shell/pPatrocinio.h"

#include "core/install/Caminhos.h"
#include "core/install/Ini.h"
#include "ui/shell/VisorHtml.h"

#include <tuple>

TfPatrocinio* fPatrocinio = nullptr;

TfPatrocinio::TfPatrocinio(QWidget* parent)
    : TfmPadrao(parent)
{
    wbPatrocinio = new VisorHtml(centro());
    wbPatrocinio->setObjectName(QStringLiteral("wbPatrocinio"));
    std::tie(Panel9, Panel10) = centroEntreEspacos(wbPatrocinio, "Panel9", "Panel10");
    FormCreate();
}

TfPatrocinio::~TfPatrocinio()
{
    // Freed with its owner (the menu, at exit): the reference does not outlive it.
    if (fPatrocinio == this)
        fPatrocinio = nullptr;
}

void TfPatrocinio::FormCreate()
{
    wbPatrocinio->carrega(Caminhos::atual().patrocinioInicial());
}

void TfPatrocinio::ativacao()
{
    // Slots with a hint load their page in place, switched on or off. A slot
    // switched on without a hint does the same instead of showing this
    // already open page modally once more.
    for (int n = 1; n <= 6; ++n)
        if (!hintSlot(n).isEmpty() || slotLigado(n))
            defineCliqueSlot(n, [this](int s) { imClick(s); });
}

void TfPatrocinio::imClick(int slot)
{
    const Caminhos& c = Caminhos::atual();
    const QString titulo = Ini::le(c.slotConfig(slot), QStringLiteral("Patrocinio"), QStringLiteral("Titulo"), QString());
    setCaption(QLatin1Char(' ') + titulo);
    wbPatrocinio->carrega(c.slotPagina(slot));
}
