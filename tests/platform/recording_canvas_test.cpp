#include "platform/canvas/recording_canvas.h"

#include <gtest/gtest.h>

#include <string>

#include "frame/display.h"

TEST(RecordingCanvas, DumpLinePrintsUtf8AndTheTwoTextColoursByName) {
    RecordingCanvas canvas;
    canvas.drawText(189.0f, 24.0f, "BRG 123\xB0", kFont29, kGreen);
    canvas.drawText(5.5f, 152.0f, "SAY \"HI\" \\", kFont24, kBlack);
    canvas.drawText(0.0f, 0.0f, "\x80 \xE9", kCourier12, 0xFF123456);
    auto texts = canvas.texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(formatTextItem(*texts[0]), "text 189 24 29 green \"BRG 123\xC2\xB0\"");
    EXPECT_EQ(formatTextItem(*texts[1]), "text 5.5 152 24 black \"SAY \\\"HI\\\" \\\\\"");
    EXPECT_EQ(formatTextItem(*texts[2]), "text 0 0 12 0xFF123456 \"\xE2\x82\xAC \xC3\xA9\"");
}

TEST(RecordingCanvas, ClearStartsANewListKeepingTheTransformAndReplayReproducesIt) {
    RecordingCanvas canvas;
    canvas.scaleTransform(2.0f, 2.0f);
    canvas.drawText(1.0f, 2.0f, "OLD", kFont29, kGreen);
    canvas.clear(kTransparent);
    canvas.translateTransform(10.0f, 5.0f);
    canvas.drawText(3.0f, 4.0f, "NEW", kFont29, kGreen);
    PointF line[2] = {{0, 0}, {1, 1}};
    canvas.drawPolygon(line, 2, kGreen, 2.0f);
    ASSERT_EQ(canvas.items().size(), 4u);
    EXPECT_EQ(canvas.items()[0].kind, DrawKind::Clear);
    const DrawItem& text = canvas.items()[2];
    EXPECT_STREQ(text.text, "NEW");
    // The translation is in drawing units, applied after the earlier scale.
    EXPECT_EQ(text.transform.scaleX, 2.0f);
    EXPECT_EQ(text.transform.offsetX, 20.0f);
    EXPECT_EQ(text.transform.offsetY, 10.0f);

    RecordingCanvas copy;
    canvas.replay(copy);
    ASSERT_EQ(copy.items().size(), 4u);
    for (size_t i = 0; i < 4; ++i) EXPECT_EQ(copy.items()[i].kind, canvas.items()[i].kind) << i;
    EXPECT_EQ(formatTextItem(*copy.texts()[0]), formatTextItem(text));
    EXPECT_EQ(copy.texts()[0]->transform.offsetX, 10.0f);
    EXPECT_EQ(copy.points().size(), 2u);
}

TEST(RecordingCanvas, OverlongTextIsCutAndBadPolygonsRecordAFailure) {
    RecordingCanvas canvas;
    std::string longText(300, 'A');
    canvas.drawText(0.0f, 0.0f, longText.c_str(), kFont29, kGreen);
    ASSERT_EQ(canvas.texts().size(), 1u);
    EXPECT_TRUE(canvas.texts()[0]->textCut);
    EXPECT_EQ(std::string(canvas.texts()[0]->text), std::string(kRecordedTextSize - 1, 'A'));
    EXPECT_EQ(canvas.lastStatus(), 0);

    canvas.fillPolygon(nullptr, 3, kGreen);
    PointF triangle[3] = {{0, 0}, {10, 0}, {5, 5}};
    canvas.drawPolygon(triangle, 0, kGreen, 1.0f);
    EXPECT_NE(canvas.lastStatus(), 0);
    canvas.fillPolygon(triangle, 3, kGreen);
    EXPECT_EQ(canvas.items().back().kind, DrawKind::FillPolygon);
    EXPECT_EQ(canvas.points().size(), 3u);
}
