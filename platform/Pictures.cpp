#include "platform/Pictures.h"

#include <QFile>
#include <QLabel>

static QString resourcePath(const QString& name)
{
    return QStringLiteral(":/pictures/%1.png").arg(name);
}

bool Pictures::exists(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && QFile::exists(resourcePath(name));
}

QPixmap Pictures::load(const QString& name)
{
    if (!exists(name))
        return QPixmap();
    return QPixmap(resourcePath(name));
}

void Pictures::showIn(QLabel* box, const QString& name)
{
    const QPixmap picture = load(name);
    if (picture.isNull()) {
        box->clear();
        box->hide();
        return;
    }
    box->setPixmap(picture);
    box->show();
}
