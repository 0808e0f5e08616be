// The typed score: any text either gives null, a number in range, or a message.
#include "core/data/Dataset.h"
#include "core/data/ModeloDataset.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho)
{
    const QString digitado = QString::fromUtf8(reinterpret_cast<const char*>(dados), static_cast<qsizetype>(tamanho));
    QVariant valor;
    QString mensagem;
    if (ModeloDataset::leInteiro(digitado, 0, 99, &valor, &mensagem)) {
        if (!valor.isNull() && (valor.toInt() < 0 || valor.toInt() > 99))
            std::abort();
        if (valor.isNull() && !digitado.trimmed().isEmpty())
            std::abort();
    } else if (mensagem.isEmpty() || mensagem.size() > 200) {
        std::abort();
    }
    return 0;
}
