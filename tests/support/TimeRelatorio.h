#pragma once
// The four datasets the team report reads, opened on the current tree the
// way the team screen opens them: the club's matches, its `Times1` record and
// the standings and projected standings positioned on it. TimeRelatorioUi.h
// hands them to the team report.
#include "core/data/Dataset.h"

class TimeRelatorio {
public:
    explicit TimeRelatorio(int codigo);

    Dataset Table2; // Times1 by Cod_Time, on the club
    Dataset Query1; // the club's season matches
    Dataset Query5; // standings, on the club
    Dataset Query4; // projected standings, on the club

    // Runs the selections again and positions them on the club (after a save).
    void reposiciona();
    // The titles memo's text.
    QString titulos() const;

    static const char* const kSqlJogos;
    static const char* const kSqlClassificacao;
    static const char* const kSqlProjecao;

private:
    int m_codigo;
};
