#include "core/data/Ordens.h"

#include "core/data/Dataset.h"

namespace Ordens {

Dataset* consultaComPosicao(QObject* dono, const char* sql, bool projecao)
{
    auto* q = new Dataset(dono);
    q->setSql(QString::fromUtf8(sql));
    q->addCalcField(QStringLiteral("Colocacao"));
    if (projecao)
        q->addCalcField(QStringLiteral("Proj_J"));
    q->onCalcFields = [projecao](Dataset& d) {
        d.setCalcValue(QStringLiteral("Colocacao"), d.recNo());
        if (projecao)
            d.setCalcValue(QStringLiteral("Proj_J"), d.asInt(QStringLiteral("Proj_V")) + d.asInt(QStringLiteral("Proj_E"))
                                                         + d.asInt(QStringLiteral("Proj_D")));
    };
    return q;
}

} // namespace Ordens
