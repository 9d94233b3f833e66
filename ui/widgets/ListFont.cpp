#include "ui/widgets/ListFont.h"

#include <QStringList>

QFont ListFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("IPAGothic"), QStringLiteral("monospace")});
    font.setStyleHint(QFont::TypeWriter);
    return font;
}
