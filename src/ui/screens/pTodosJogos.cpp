#include "ui/screens/pTodosJogos.h"

#include "ui/shell/Estilo.h"
#include "core/data/Balanco.h"
#include "core/data/Dataset.h"
#include "ui/screens/GradeHistorico.h"
#include "ui/screens/pConfrontos.h"
#include "ui/shell/Abertura.h"
#include "ui/shell/Mensagens.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QVBoxLayout>

TfTodosJogos* fTodosJogos = nullptr;

const char* const TfTodosJogos::kSql = "select * from confrontos where (Cod_Time1=:Time or Cod_Time2=:Time)\n"
                                       "order by data";

namespace {

using Estilo::arial;

// The small picture beside "Ranking": a cup.
QPixmap taca()
{
    QPixmap px(24, 24);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ouro(230, 180, 20);
    p.setPen(QPen(QColor(120, 80, 0), 1));
    p.setBrush(ouro);
    p.drawChord(QRectF(5, -6, 14, 20), 180 * 16, 180 * 16);
    p.drawRect(QRectF(10.5, 14, 3, 4));
    p.drawRect(QRectF(7, 18, 10, 3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(1, 2, 7, 8), 90 * 16, 180 * 16);
    p.drawArc(QRectF(16, 2, 7, 8), 270 * 16, 180 * 16);
    return px;
}

} // namespace

TfTodosJogos::TfTodosJogos(QWidget* parent)
    : TfmPadrao(parent)
{
    setObjectName(QStringLiteral("fTodosJogos"));
    setCaption(QStringLiteral(" TODOS OS JOGOS"));

    Table2 = new Dataset(this);
    Table2->setTableName(QStringLiteral("Times1.DB"));
    Table2->setIndexName(QStringLiteral("TimeIdx"));
    Table2->addCalcField(QStringLiteral("Nome_UF"));
    Table2->onCalcFields = [](Dataset& d) {
        d.setCalcValue(QStringLiteral("Nome_UF"), nomeUF(d.asInt(QStringLiteral("Cod_Time")),
                                                         d.asString(QStringLiteral("Time")),
                                                         d.asString(QStringLiteral("Estado"))));
    };
    Query1 = new Dataset(this);
    Query1->setSql(QString::fromUtf8(kSql));
    Query1->addCalcField(QStringLiteral("X"));
    Query1->addLookupField(QStringLiteral("Nome_time1"), QStringLiteral("Cod_Time1"), Table2,
                           QStringLiteral("Cod_Time"), QStringLiteral("Nome_UF"));
    Query1->addLookupField(QStringLiteral("Nome_time2"), QStringLiteral("Cod_Time2"), Table2,
                           QStringLiteral("Cod_Time"), QStringLiteral("Nome_UF"));
    Query1->onCalcFields = [](Dataset& d) { d.setCalcValue(QStringLiteral("X"), QStringLiteral("X")); };

    dbgTodosJogos = new GradeHistorico(Query1, QStringLiteral("dbgTodosJogos"));
    PopupMenu1 = new QMenu(this);
    TodososJogos1 = PopupMenu1->addAction(QStringLiteral("&Confrontos"), this, &TfTodosJogos::TodososJogos1Click);
    connect(dbgTodosJogos, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        const QModelIndex i = dbgTodosJogos->indexAt(pos);
        if (!i.isValid())
            return;
        dbgTodosJogos->setCurrentIndex(i);
        PopupMenu1->popup(dbgTodosJogos->viewport()->mapToGlobal(pos));
    });

    // The balance panel at the left.
    auto* painel = new QWidget;
    painel->setObjectName(QStringLiteral("pnBalanco"));
    painel->setFixedWidth(230);
    painel->setAutoFillBackground(true);
    QPalette pv = painel->palette();
    pv.setColor(QPalette::Window, corFaixaVerde());
    pv.setColor(QPalette::WindowText, Qt::black);
    pv.setColor(QPalette::Text, Qt::black);
    painel->setPalette(pv);
    auto* lp = new QVBoxLayout(painel);
    lp->setContentsMargins(12, 12, 12, 12);
    lp->setSpacing(8);
    imTime = new QLabel;
    imTime->setObjectName(QStringLiteral("imTime"));
    imTime->setFixedSize(60, 60);
    imTime->setScaledContents(true);
    lp->addWidget(imTime, 0, Qt::AlignHCenter);
    auto* valores = new QHBoxLayout;
    valores->setSpacing(4);
    rotulos = new CaixaLeitura(QStringLiteral("rotulos"), Qt::AlignLeft);
    rotulos->defineLinhas({QStringLiteral("Jogos"), QStringLiteral("Vitórias"), QStringLiteral("Empates"),
                           QStringLiteral("Derrotas"), QStringLiteral("Gols Pró"), QStringLiteral("Gols Contra"),
                           QStringLiteral("Saldo "), QStringLiteral("Aproveit."), QStringLiteral("M Gols Pró"),
                           QStringLiteral("M Gols Contra")});
    rotulos->setFixedHeight(210);
    rotulos->defineDestino(dbgTodosJogos);
    reTime = new CaixaLeitura(QStringLiteral("reTime"), Qt::AlignRight);
    reTime->setFixedHeight(210);
    reTime->defineDestino(dbgTodosJogos);
    valores->addWidget(rotulos, 3);
    valores->addWidget(reTime, 2);
    lp->addLayout(valores);
    lp->addSpacing(10);
    auto* linhaRanking = new QHBoxLayout;
    auto* figura = new QLabel;
    figura->setObjectName(QStringLiteral("imRanking"));
    figura->setPixmap(taca());
    auto* rotuloRanking = new QLabel(QStringLiteral("Ranking"));
    rotuloRanking->setObjectName(QStringLiteral("lbRanking"));
    rotuloRanking->setFont(arial(14, true));
    linhaRanking->addWidget(figura);
    linhaRanking->addWidget(rotuloRanking);
    linhaRanking->addStretch(1);
    lp->addLayout(linhaRanking);
    pnCBF = new QLabel;
    pnCBF->setObjectName(QStringLiteral("pnCBF"));
    pnCBF->setAlignment(Qt::AlignCenter);
    pnCBF->setFixedSize(120, 64);
    pnCBF->setFont(arial(40, true));
    pnCBF->setStyleSheet(QStringLiteral("QLabel#pnCBF { background: rgb(156,174,197); color: black;"
                                        " border: 2px solid rgb(52,105,165); border-radius: 14px; }"));
    lp->addWidget(pnCBF, 0, Qt::AlignHCenter);
    lp->addStretch(1);

    auto* linha = new QHBoxLayout(centro());
    linha->setContentsMargins(6, 6, 6, 6);
    linha->setSpacing(8);
    linha->addWidget(painel);
    linha->addWidget(dbgTodosJogos, 1);

    Erros::protege([this] { Table2->open(); });
}

TfTodosJogos::~TfTodosJogos()
{
    if (fTodosJogos == this)
        fTodosJogos = nullptr;
}

void TfTodosJogos::abre(int codTime, QWidget* abridor)
{
    abreTela<TfTodosJogos>(fTodosJogos, abridor, [codTime](TfTodosJogos* t) { t->defineTime(codTime); });
}

void TfTodosJogos::defineTime(int codTime)
{
    m_codTime = codTime;
    Query1->setParam(QStringLiteral("Time"), codTime);
}

QString TfTodosJogos::nomeUF(int codigo, const QString& time, const QString& estado)
{
    const bool daTemporada = codigo <= 25 || codigo == 71 || codigo == 122 || codigo == 126;
    return daTemporada ? time : time + QLatin1Char('-') + estado;
}

void TfTodosJogos::ativacao()
{
    FormActivate();
}

void TfTodosJogos::FormActivate()
{
    dbgTodosJogos->hide();
    const bool ok = Erros::protege([this] {
        Query1->close();
        Query1->setParam(QStringLiteral("Time"), m_codTime);
        Query1->open();
    });
    mostraEscudoGrande(imTime, m_codTime, m_avisados);
    if (!ok)
        return;
    const Balanco::Totais t = Balanco::conta(*Query1, m_codTime);
    Query1->first();
    const auto n = [](int v) { return QString::number(v); };
    const int jogos = t.jogos();
    reTime->defineLinhas({n(jogos), n(t.vitorias), n(t.empates), n(t.derrotas), n(t.golsPro), n(t.golsContra),
                          n(t.saldo()), Balanco::duasCasas(qint64(t.vitorias) * 100, jogos),
                          Balanco::duasCasas(t.golsPro, jogos), Balanco::duasCasas(t.golsContra, jogos)});
    dbgTodosJogos->show();
    dbgTodosJogos->primeiraLinha();
    dbgTodosJogos->setFocus(Qt::OtherFocusReason);
    if (Table2->isOpen() && Table2->locate(QStringLiteral("Cod_Time"), m_codTime))
        pnCBF->setText(Table2->asString(QStringLiteral("RankingCBF")));
}

void TfTodosJogos::TodososJogos1Click()
{
    if (!Query1->isOpen() || Query1->isEmpty())
        return;
    const bool primeiro = Query1->asInt(QStringLiteral("Cod_Time1")) == m_codTime;
    const QString nomeTime = Query1->asString(primeiro ? QStringLiteral("Nome_time1") : QStringLiteral("Nome_time2"));
    const int codAdver = Query1->asInt(primeiro ? QStringLiteral("Cod_Time2") : QStringLiteral("Cod_Time1"));
    const QString nomeAdver = Query1->asString(primeiro ? QStringLiteral("Nome_time2") : QStringLiteral("Nome_time1"));
    TfConfrontos::abre(m_codTime, codAdver, nomeTime, nomeAdver, this);
}
