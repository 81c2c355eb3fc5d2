#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

// Plays the real game in-process on the offscreen platform, from a temporary
// bundle of its own: its Resources are a copy of the built bundle's (so a test
// may remove or change a file) and its Plugins are the built bundle's.
class GameFixture : public testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Runs the start-up routine and the Open events, without the event loop.
    void StartGame();
    // The program's finalisation, then the framework's end.
    void FinishGame();
    static void ProcessEvents();

    std::filesystem::path Resources() const { return bundle_ / "Resources"; }
    void RemoveResource(const std::string& name) const;
    std::filesystem::path PreferencesFile() const;
    void WritePreferencesBytes(const std::string& bytes) const;
    void WritePreferences(double ratio, bool preferred, bool quiet) const;

private:
    std::filesystem::path bundle_;
    bool started_ = false;
};
