// A large generated resource script, shaped like a real MFC program's, for the benchmarks.
#pragma once

#include <QByteArray>

namespace tarvelo::bench {

// A resource script shaped like the ones real MFC programs have: at scale 1 about
// 2.7 MB and 51,000 lines with 600 DIALOGEX of 20 controls, 200 menus of 4 popups
// and 32 items and 1,250 string tables of 16 strings, in one LANGUAGE section. The
// translated variant has the same resources in German with other texts.
QByteArray generateScript(int scale, bool translated = false);

} // namespace tarvelo::bench
