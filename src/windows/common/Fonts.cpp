#include "Fonts.h"

#include <QFontDatabase>
#include <QString>

namespace velmorix {

int registerBundledFonts() {
    int loaded = 0;
    for (const QString& file :
         {QStringLiteral(":/fonts/DejaVuSans.ttf"), QStringLiteral(":/fonts/DejaVuSans-Bold.ttf"),
          QStringLiteral(":/fonts/DejaVuSansMono.ttf"), QStringLiteral(":/fonts/DejaVuSansMono-Bold.ttf")})
        if (QFontDatabase::addApplicationFont(file) >= 0)
            ++loaded;
    return loaded;
}

} // namespace velmorix
