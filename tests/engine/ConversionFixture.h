#pragma once

#include "PdfProbe.h"
#include "RecordingObserver.h"
#include "TempDir.h"

#include "engine/Converter.h"

#include <gtest/gtest.h>

// Converts texts written into a fresh folder and reads the PDFs back.
class ConversionFixture : public ::testing::Test
{
protected:
    // Writes text to name in the folder, converts it and returns the result.
    engine::FileResult convert(const std::string& text, const std::string& name = "input.txt",
                               const std::string& owner = "", const std::string& user = "");
    testsupport::PdfProbe probe(const engine::FileResult& result, const std::string& password = "") const;

    // Courier at 10 points is 6 points a character; a custom page 60 + 2 * 10 points wide leaves
    // a text width of exactly ten characters.
    void useTenCharacterLines();

    testsupport::TempDir m_dir;
    engine::ConversionOptions m_options;
    testsupport::RecordingObserver m_observer;
};
