#include "common/EenRegel.h"

QString EenRegel(QString tekst)
{
    return tekst.replace(u'\r', u' ').replace(u'\n', u' ');
}
