// The line stream and the placed page that every report draws through.
#include "core/placed_page.h"
#include "core/printer_text_stream.h"
#include "testing/recording_document.h"

#include <gtest/gtest.h>

#include <memory>

namespace kalmoris {
namespace {

using testing::DocumentEvent;
using testing::DocumentRecord;
using testing::RecordingDocument;

class LineStreamTest : public ::testing::Test {
 protected:
  explicit LineStreamTest(PrintableArea area = RecordingDocument::defaultArea())
      : record_(std::make_shared<DocumentRecord>()), document_(record_, area) {
    font_.setHeightDots(40);
  }

  std::vector<DocumentEvent> draws() const { return record_->draws(); }

  std::shared_ptr<DocumentRecord> record_;
  RecordingDocument document_;
  PageFont font_;
};

TEST_F(LineStreamTest, TallerTextOnALineRaisesItsHeightToTheTallestPlusTwo) {
  struct Case {
    const char* name;
    int first;
    int second;
    int expected;
  };
  for (const Case& c : {Case{"40 then 60", 40, 60, 62}, Case{"60 then 40", 60, 40, 62},
                        Case{"60 then 61 stays", 60, 61, 62}}) {
    SCOPED_TRACE(c.name);
    PageFont font;
    PrinterTextStream stream(document_, font);
    font.setHeightDots(c.first);
    stream.write("a");
    EXPECT_EQ(stream.lineHeight(), c.first + 2);
    font.setHeightDots(c.second);
    stream.write("b");
    EXPECT_EQ(stream.lineHeight(), c.expected);
    stream.writeLine();
    EXPECT_EQ(stream.y(), c.expected);
  }
}

TEST_F(LineStreamTest, WritesOnOneLineFollowEachOtherEachInItsOwnFont) {
  PrinterTextStream stream(document_, font_);
  stream.write("ab");
  font_.bold = true;
  stream.write("cd");
  const auto drawn = draws();
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(drawn[0].x, 0);
  EXPECT_FALSE(drawn[0].font.bold);
  EXPECT_EQ(drawn[1].x, 2 * RecordingDocument::charWidth(font_));
  EXPECT_EQ(drawn[1].y, 0);
  EXPECT_TRUE(drawn[1].font.bold);
}

TEST_F(LineStreamTest, EmptyLineTakesACharacterHeightAndALineOfSpacesTwoDotsMore) {
  PrinterTextStream stream(document_, font_);
  stream.writeLine();
  EXPECT_EQ(stream.y(), 40);
  stream.writeLine("    ");
  EXPECT_EQ(stream.y(), 40 + 42);
}

TEST_F(LineStreamTest, CarriageReturnIsIgnoredAndLineFeedStartsANewLine) {
  PrinterTextStream stream(document_, font_);
  stream.write("ab\r\ncd\n\nef");
  const auto drawn = draws();
  ASSERT_EQ(drawn.size(), 3u);
  EXPECT_EQ(drawn[0].text, "ab");
  EXPECT_EQ(drawn[1].text, "cd");
  EXPECT_EQ(drawn[1].y, 42);
  EXPECT_EQ(drawn[2].text, "ef");
  EXPECT_EQ(drawn[2].y, 42 + 42 + 40);  // the empty line took one character height
  EXPECT_EQ(drawn[2].x, 0);
}

class NarrowPageTest : public LineStreamTest {
 protected:
  NarrowPageTest() : LineStreamTest({200, 1000, 10, 50}) {}  // 10 characters of 20 dots
};

TEST_F(NarrowPageTest, LongTextContinuesAtTheStartOfTheNextLineWithoutHyphen) {
  PrinterTextStream stream(document_, font_);
  stream.write("abc");
  stream.write("defghijklmnopqrstuvwxyz");
  const auto drawn = draws();
  ASSERT_EQ(drawn.size(), 4u);
  EXPECT_EQ(drawn[0].text, "abc");
  EXPECT_EQ(drawn[1].text, "defghij");
  EXPECT_EQ(drawn[1].x, 60);
  EXPECT_EQ(drawn[2].text, "klmnopqrst");
  EXPECT_EQ(drawn[2].x, 0);
  EXPECT_EQ(drawn[2].y, 42);
  EXPECT_EQ(drawn[3].text, "uvwxyz");
  EXPECT_EQ(stream.x(), 6 * 20);
}

TEST_F(NarrowPageTest, TextThatCannotStartOnTheLineMovesWhole) {
  PrinterTextStream stream(document_, font_);
  stream.write("abcdefghij");  // exactly full
  stream.write("kl");
  const auto drawn = draws();
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(drawn[1].text, "kl");
  EXPECT_EQ(drawn[1].x, 0);
  EXPECT_EQ(drawn[1].y, 42);
}

TEST_F(NarrowPageTest, CharacterWiderThanThePageIsDrawnAloneAndTheStreamGoesOn) {
  PrinterTextStream stream(document_, font_);
  font_.setHeightDots(500);  // 250 dots wide, wider than the page
  stream.write("WW");
  font_.setHeightDots(40);
  stream.write("a");
  const auto drawn = draws();
  ASSERT_EQ(drawn.size(), 3u);
  EXPECT_EQ(drawn[0].text, "W");
  EXPECT_EQ(drawn[1].text, "W");
  EXPECT_EQ(drawn[1].x, 0);
  EXPECT_EQ(drawn[2].text, "a");
}

TEST_F(NarrowPageTest, NewPageStartsOnceTheNextLineWouldPassHeightLessTwoLines) {
  // Lines of 42 dots on a 1000-dot page: a break follows the line that ends past 1000 - 84.
  PrinterTextStream stream(document_, font_);
  int lineOfBreak = -1;
  for (int line = 0; line < 30 && lineOfBreak < 0; ++line) {
    stream.writeLine("x");
    if (record_->pageCount() == 2) lineOfBreak = line;
  }
  // After line k (from 0) y = 42 (k + 1); the break comes when 42 (k + 1) > 916, at k = 21.
  EXPECT_EQ(lineOfBreak, 21);
  EXPECT_EQ(stream.y(), 0);
  stream.writeLine("top");
  const auto drawn = draws();
  EXPECT_EQ(drawn.back().text, "top");
  EXPECT_EQ(drawn.back().page, 1);
  EXPECT_EQ(drawn.back().y, 0);
}

TEST_F(LineStreamTest, ClosingFinishesTheDocumentOnceAndTheFontOutlivesTheStream) {
  {
    PrinterTextStream stream(document_, font_);
    stream.writeLine("first");
    font_.setSizePoints(10);
    stream.close();
    stream.close();
  }
  int finishes = 0;
  for (const DocumentEvent& event : record_->events)
    if (event.kind == DocumentEvent::Kind::Finish) ++finishes;
  EXPECT_EQ(finishes, 1);

  // The next report begins in the font the previous one left.
  auto second = std::make_shared<DocumentRecord>();
  RecordingDocument next(second);
  {
    PrinterTextStream stream(next, font_);
    stream.writeLine("    ");
  }
  ASSERT_EQ(second->draws().size(), 1u);
  EXPECT_EQ(second->draws()[0].font.unit, PageFont::SizeUnit::Points);
  EXPECT_EQ(second->draws()[0].font.size, 10);
  EXPECT_TRUE(second->finished);
}

TEST(PlacedPageTest, MeasuresDotsPerCentimetreFromWholeCentimetres) {
  struct Case {
    const char* name;
    PrintableArea area;
    int across;
    int down;
  };
  for (const Case& c : {Case{"600 dpi A4", {4800, 6600, 203, 279}, 240, 244},
                        Case{"300 dpi", {2400, 3300, 203, 279}, 120, 122},
                        Case{"smaller than a centimetre", {50, 50, 5, 5}, 0, 0}}) {
    SCOPED_TRACE(c.name);
    const PageGeometry geometry = MeasurePrinter(c.area);
    EXPECT_EQ(geometry.dotsPerCmAcross, c.across);
    EXPECT_EQ(geometry.dotsPerCmDown, c.down);
  }
}

TEST(PlacedPageTest, PlacesMillimetresInsideTwoCentimetreMargins) {
  auto record = std::make_shared<DocumentRecord>();
  RecordingDocument document(record);
  PageFont font;
  const PageGeometry geometry{240, 244};
  {
    PlacedPage page(document, font, geometry);
    page.textOut(0, 0, "corner");
    page.textOut(125, 76, "cell");
    page.newPage();
    page.textOut(10, 8, "next");
  }
  const auto drawn = record->draws();
  ASSERT_EQ(drawn.size(), 3u);
  EXPECT_EQ(drawn[0].x, 480);
  EXPECT_EQ(drawn[0].y, 488);
  EXPECT_EQ(drawn[1].x, 125 * 240 / 10 + 480);
  EXPECT_EQ(drawn[1].y, 76 * 244 / 10 + 488);
  EXPECT_EQ(drawn[2].page, 1);
  EXPECT_EQ(drawn[2].x, 10 * 240 / 10 + 480);
  EXPECT_TRUE(record->finished);
}

}  // namespace
}  // namespace kalmoris
