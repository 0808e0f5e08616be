#include "ui/screens/pAltera.h"

#include "core/data/Banco.h"
#include "core/data/Dataset.h"
#include "ui/shell/Botoes.h"
#include "core/install/Caminhos.h"
#include "ui/shell/Mensagens.h"

#include <QDateEdit>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QSqlQuery>
#include <QVBoxLayout>

TfAltera* fAltera = nullptr;

namespace {

QString nomeDoTime(int codigo)
{
    QSqlQuery q(Banco::principal());
    q.prepare(QStringLiteral("SELECT \"Time\" FROM \"Times1\" WHERE \"Cod_Time\" = ?"));
    q.addBindValue(codigo);
    if (q.exec() && q.next())
        return q.value(0).toString();
    return QString::number(codigo);
}

} // namespace

TfAltera::TfAltera(QWidget* parent)
    : TfmPadrao(parent)
{
    setObjectName(QStringLiteral("fAltera"));
    setCaption(QStringLiteral(" ALTERA DATA"));

    Table1 = new Dataset(this);
    Table1->setTableName(QStringLiteral("Jogos.DB"));
    Table1->setIndexName(QStringLiteral("JogoIdx"));

    auto* pagina = new QVBoxLayout(centro());
    pagina->addStretch(1);

    auto* painel = new QFrame;
    painel->setObjectName(QStringLiteral("Panel1"));
    painel->setFrameShape(QFrame::Panel);
    painel->setFrameShadow(QFrame::Raised);
    painel->setFixedSize(240, 90);
    auto* linha = new QHBoxLayout(painel);
    linha->setContentsMargins(12, 12, 12, 12);
    auto figura = [](const QString& nome) {
        auto* l = new QLabel;
        l->setObjectName(nome);
        l->setFixedSize(60, 60);
        l->setScaledContents(true);
        return l;
    };
    imTime1 = figura(QStringLiteral("imTime1"));
    imTime2 = figura(QStringLiteral("imTime2"));
    lbX = new QLabel(QStringLiteral("X"));
    QFont fx(QStringLiteral("Arial"));
    fx.setPixelSize(40);
    fx.setBold(true);
    lbX->setFont(fx);
    lbX->setAlignment(Qt::AlignCenter);
    linha->addWidget(imTime1);
    linha->addWidget(lbX, 1);
    linha->addWidget(imTime2);
    pagina->addWidget(painel, 0, Qt::AlignHCenter);
    pagina->addSpacing(16);

    lbAlterado = new QLabel(QStringLiteral("Jogo alterado para"));
    QFont fl(QStringLiteral("Arial"));
    fl.setPixelSize(13);
    fl.setBold(true);
    lbAlterado->setFont(fl);
    pagina->addWidget(lbAlterado, 0, Qt::AlignHCenter);

    cbData = new QDateEdit;
    cbData->setObjectName(QStringLiteral("cbData"));
    cbData->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    cbData->setCalendarPopup(true);
    cbData->setFixedWidth(120);
    pagina->addWidget(cbData, 0, Qt::AlignHCenter);
    pagina->addSpacing(12);

    btConfirma = new BotaoAzul(QStringLiteral("Confirma"));
    btConfirma->setObjectName(QStringLiteral("btConfirma"));
    btConfirma->setFixedSize(100, 25);
    connect(btConfirma, &QPushButton::clicked, this, &TfAltera::btConfirmaClick);
    pagina->addWidget(btConfirma, 0, Qt::AlignHCenter);
    pagina->addStretch(1);
}

TfAltera::~TfAltera()
{
    if (fAltera == this)
        fAltera = nullptr;
}

void TfAltera::ativacao()
{
    // Errors go up to the frame, which reports them once the activation is over.
    // Read again each time: the picker always starts from the stored date.
    Table1->disableControls();
    bool achou = false;
    try {
        Table1->close();
        Table1->open();
        achou = Table1->findKey({m_codJogo});
    } catch (...) {
        Table1->enableControls();
        throw;
    }
    Table1->enableControls();
    if (!achou)
        throw ErroPrograma(QStringLiteral("O jogo de código %1 não foi encontrado.").arg(m_codJogo));

    cbData->setDate(Table1->asDate(QStringLiteral("Dia")));
    imTime1->clear();
    imTime2->clear();
    const Caminhos& c = Caminhos::atual();
    imTime1->setPixmap(carregaImagem(c.normal(Table1->asInt(QStringLiteral("Time1")))));
    imTime2->setPixmap(carregaImagem(c.normal(Table1->asInt(QStringLiteral("Time2")))));
}

void TfAltera::btConfirmaClick()
{
    const bool ok = Erros::protege([this] {
        if (!Table1->isOpen() || Table1->isEmpty() || Table1->asInt(QStringLiteral("Cod_Jogo")) != m_codJogo)
            throw ErroPrograma(QStringLiteral("O jogo de código %1 não foi encontrado.").arg(m_codJogo));
        const QDate novo = cbData->date();

        // Two matches may never agree in all seven key fields: name the one that is in the way.
        QSqlQuery q(Banco::principal());
        q.prepare(QStringLiteral("SELECT 1 FROM \"Jogos\" WHERE \"Dia\" = ? AND \"Apostador\" IS ? AND \"Time1\" IS ? "
                                 "AND \"Time2\" IS ? AND \"Situacao\" IS ? AND \"Divisao\" IS ? AND \"Rodada\" IS ? "
                                 "AND \"Cod_Jogo\" <> ?"));
        q.addBindValue(novo.toString(Qt::ISODate));
        for (const char* campo : {"Apostador", "Time1", "Time2", "Situacao", "Divisao", "Rodada"})
            q.addBindValue(Table1->value(QLatin1String(campo)));
        q.addBindValue(m_codJogo);
        if (q.exec() && q.next()) {
            const int t1 = Table1->asInt(QStringLiteral("Time1"));
            const int t2 = Table1->asInt(QStringLiteral("Time2"));
            throw ErroPrograma(QStringLiteral("Já existe o jogo %1 x %2 da rodada %3 no dia %4, com a mesma situação.\n"
                                              "A data não foi alterada.")
                                   .arg(nomeDoTime(t1), nomeDoTime(t2))
                                   .arg(Table1->asInt(QStringLiteral("Rodada")))
                                   .arg(novo.toString(QStringLiteral("dd/MM/yyyy"))));
        }

        Table1->edit();
        try {
            Table1->setValue(QStringLiteral("Dia"), novo);
            Table1->post();
        } catch (...) {
            Table1->cancel();
            throw;
        }
    });
    if (ok)
        close();
}
