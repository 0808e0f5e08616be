#pragma once
// The quiz sounds, synthesised: 16-bit mono PCM WAV files.
#include <QByteArray>
#include <QStringList>

namespace Sons {

// "Certo1.WAV", "Erro1.WAV", "Win.WAV", "GameOver.WAV".
const QStringList& nomes();

// The WAV file of one of those names; empty for another name.
QByteArray wav(const QString& nome);

} // namespace Sons
