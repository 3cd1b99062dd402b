// The real main window on the densitometry tab with the simulated
// instrument: a settings folder of its own per test, presses of the button
// handled by one turn of the measurement loop, labels and widgets by name.
#pragma once

#include "CMS/CMS.h"
#include "Data/Config.h"
#include "Eye1lib/Eye1lib.h"
#include "EyeOne/EyeOne.h"
#include "MainForm.h"
#include "PageControl.h"
#include "SimControl.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

class TMainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Every test has a folder of its own for the settings file, so tests
        // running side by side never read each other's settings.
        ASSERT_TRUE(Folder.isValid());
        const QString profile = QCoreApplication::applicationDirPath() + QStringLiteral("/") + DisplayProfileName;
        QFile::copy(profile, Folder.filePath(DisplayProfileName));
        SetExeFolderOverride(Folder.path());
        Config = ConfigType{};
        Form = std::make_unique<TMainForm>();
        ASSERT_TRUE(EyeOne::IsLoaded());
        Sim = std::make_unique<TSimControl>();
        Sim->Reset();
        Sim->SetDensityNoise(0.0);
        // The paper measurement at start-up is the dialogs' business.
        Form->PaperPending = false;
        Form->V.PGC1->SetCurrentIndex(0);
    }
    void TearDown() override
    {
        Form.reset();
        Sim.reset();
        SetExeFolderOverride(QString());
        Config = ConfigType{};
    }

    void ShowDensitometryPage(int index) { Form->V.PGC0->SetCurrentIndex(index); }
    // One press of the instrument's button, handled by one turn of the loop.
    void Press(const char* patch)
    {
        ASSERT_TRUE(Sim->PlacePatch(patch)) << patch;
        Sim->Press();
        Form->TimerTimer();
    }
    QString Text(const char* name) const
    {
        const auto* label = Form->findChild<QLabel*>(QString::fromLatin1(name));
        EXPECT_NE(label, nullptr) << name;
        return label ? label->text() : QString();
    }
    QWidget* Widget(const char* name) const
    {
        auto* widget = Form->findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QTemporaryDir Folder;
    std::unique_ptr<TMainForm> Form;
    std::unique_ptr<TSimControl> Sim;
};
