#pragma once

#include <QStringList>

const QStringList &layoutKeys();
