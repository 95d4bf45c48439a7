// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtGlobal>

// Sets an environment variable for the life of a test object and restores it afterwards.
class EnvironmentOverride {
  public:
    EnvironmentOverride(const char* name, const QByteArray& value)
        : name_(name), wasSet_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value);
    }
    ~EnvironmentOverride() {
        if (wasSet_) {
            qputenv(name_, old_);
        } else {
            qunsetenv(name_);
        }
    }
    EnvironmentOverride(const EnvironmentOverride&) = delete;
    EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;

  private:
    const char* name_;
    bool wasSet_;
    QByteArray old_;
};
