#pragma once
// A fresh default install tree in a temporary folder, made by the project's
// own builder, set as the root every screen uses. The tree is built once per
// test process and copied for each instance.
#include "core/install/Caminhos.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class ArvoreTeste {
public:
    ArvoreTeste();
    ~ArvoreTeste();

    QString raiz() const { return m_dir.path(); }
    Caminhos caminhos() const { return Caminhos(raiz()); }

    // A separate connection to this tree's database, for assertions on what is stored.
    QSqlDatabase banco();

    // One value of a statement on this tree's database (first column of the first row).
    QVariant valor(const QString& sql);

private:
    QTemporaryDir m_dir;
    QString m_conexao;
};

// Messages of the central error handler, captured while an instance lives.
class MensagensCapturadas {
public:
    MensagensCapturadas();
    ~MensagensCapturadas();
    QStringList lista;
};
