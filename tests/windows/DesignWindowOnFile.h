// A design window opened, as the user opens it, on a design file written
// from a few inputs in a folder of the test's own.
#pragma once

#include "design/DesignRecord.h"
#include "files/DesignFile.h"
#include "files/ProgramState.h"
#include "support/RecordingMessages.h"
#include "support/WidgetApplication.h"
#include "windows/DesignWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace yq::test {

class DesignWindowOnFile : public ::testing::Test {
protected:
    void SetUp() override {
        widgetApplication();
        previous = QDir::currentPath();
        ASSERT_TRUE(folder.isValid());
        QDir::setCurrent(folder.path());
    }
    void TearDown() override {
        window.reset();
        QDir::setCurrent(previous);
    }
    // The window on "design.ini" with these inputs and "Metric" value; its
    // queued loading and calculation have run.
    DesignWindow& open(UnitSystem system, const std::vector<std::pair<const char*, const char*>>& inputs,
                       const char* metricText) {
        DesignRecord r(system);
        for (const auto& [k, v] : inputs) *r.field(k) = Decimal::of(v);
        const QString path = QDir(folder.path()).filePath(QStringLiteral("design.ini"));
        EXPECT_TRUE(writeDesignFile(path, r, QString::fromLatin1(metricText)));
        DesignWindowServices services;
        services.chooseFile = [path](const QString&, const QString&, const QString&) { return path; };
        services.messages = &messages;
        window = std::make_unique<DesignWindow>(UnitSystemDescription::of(system), services, state);
        window->open();
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
        return *window;
    }

    QTemporaryDir folder;
    QString previous;
    ProgramState state;
    RecordingMessages messages{RecordingMessages::Mode::Record};
    std::unique_ptr<DesignWindow> window;
};

}  // namespace yq::test
