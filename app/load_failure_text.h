#pragma once
// What the user reads when an open command fails: the file and the reason.

#include "report/failure.h"

#include <QString>

QString LoadFailureText(const QString& path, const vrd::Failure& failure);
