#include "ClipComposer.h"

#include <algorithm>

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libavutil/pixdesc.h>
}

namespace {

// The frame value the overlay text is drawn from.
constexpr const char* kOverlayKey = "koriv_overlay";
// The second camera's share of the main picture's width in picture in picture, and the gap
// and frame around it in thousandths of that width.
constexpr int kInsetDivisor = 3;
constexpr int kInsetMargin = 20;
constexpr int kInsetBorder = 3;

int even(long long value)
{
    return static_cast<int>(std::max(2LL, value - value % 2));
}

std::string number(long long value)
{
    return std::to_string(value);
}

} // namespace

AVFilterContext* ClipComposer::add(const char* filter, std::initializer_list<std::pair<const char*, std::string>> options)
{
    if (!mError.isEmpty())
        return nullptr;
    const AVFilter* type = avfilter_get_by_name(filter);
    AVFilterContext* context = type ? avfilter_graph_alloc_filter(mGraph.get(), type, nullptr) : nullptr;
    if (!context) {
        mError = QStringLiteral("the filter %1 is missing").arg(QLatin1String(filter));
        return nullptr;
    }
    for (const auto& [key, value] : options) {
        if (const int set = av_opt_set(context, key, value.c_str(), AV_OPT_SEARCH_CHILDREN); set < 0) {
            mError = QStringLiteral("%1 %2: %3").arg(QLatin1String(filter), QLatin1String(key), pmAvError(set));
            return nullptr;
        }
    }
    if (const int initialised = avfilter_init_str(context, nullptr); initialised < 0) {
        mError = QStringLiteral("%1: %2").arg(QLatin1String(filter), pmAvError(initialised));
        return nullptr;
    }
    return context;
}

// A filter fed by the first output of from.
AVFilterContext* ClipComposer::chain(AVFilterContext* from, const char* filter,
                                     std::initializer_list<std::pair<const char*, std::string>> options)
{
    AVFilterContext* to = from ? add(filter, options) : nullptr;
    if (to && avfilter_link(from, 0, to, 0) < 0) {
        mError = QStringLiteral("cannot link %1").arg(QLatin1String(filter));
        return nullptr;
    }
    return to;
}

// Both inputs count time in the clip's frames: frame n of either camera has time stamp n.
bool ClipComposer::addInput(Input& input, const ClipPictureFormat& format, AVRational rate)
{
    input.source = add("buffer", {{"video_size", number(format.width) + "x" + number(format.height)},
                                  {"pix_fmt", av_get_pix_fmt_name(format.format)},
                                  {"time_base", number(rate.den) + "/" + number(rate.num)},
                                  {"frame_rate", number(rate.num) + "/" + number(rate.den)},
                                  {"pixel_aspect", "1/1"}});
    input.black = pmNewFrame();
    input.black->width = format.width;
    input.black->height = format.height;
    input.black->format = format.format;
    if (!input.source || av_frame_get_buffer(input.black.get(), 0) < 0) {
        mError = mError.isEmpty() ? QStringLiteral("out of memory") : mError;
        return false;
    }
    ptrdiff_t lines[4];
    std::copy_n(input.black->linesize, 4, lines);
    av_image_fill_black(input.black->data, lines, format.format, AVCOL_RANGE_MPEG, format.width, format.height);
    return true;
}

// The overlay text at the bottom left, on a shaded band, sized for the picture's height.
AVFilterContext* ClipComposer::text(AVFilterContext* from, int height)
{
    const int size = std::max(12, height / 24);
    return chain(from, "drawtext",
                 {{"font", "DejaVu Sans"},
                  {"text", std::string("%{metadata:") + kOverlayKey + "}"},
                  {"fontcolor", "white"},
                  {"fontsize", number(size)},
                  {"line_spacing", number(size / 5)},
                  {"box", "1"},
                  {"boxcolor", "black@0.6"},
                  {"boxborderw", number(std::max(2, size / 4))},
                  {"x", number(size / 2)},
                  {"y", "h-th-" + number(size / 2)}});
}

QString ClipComposer::build(ClipCameras cameras, const ClipPictureFormat& main,
                            const std::optional<ClipPictureFormat>& second, bool overlay)
{
    mGraph.reset(avfilter_graph_alloc());
    if (!mGraph)
        return QStringLiteral("out of memory");
    mGraph->nb_threads = 1; // the decoders and the encoder have the cores
    if (!addInput(mInputs[0], main, main.rate) || (second && !addInput(mInputs[1], *second, main.rate)))
        return mError;
    AVFilterContext* picture = overlay ? text(mInputs[0].source, main.height) : mInputs[0].source;
    int width = main.width;
    if (second && cameras == ClipCameras::SideBySide) {
        width += even(llround(double(second->width) * main.height / second->height));
        AVFilterContext* other = chain(mInputs[1].source, "scale",
                                       {{"w", number(width - main.width)}, {"h", number(main.height)}});
        AVFilterContext* stack = add("hstack", {{"inputs", "2"}});
        if (stack && (avfilter_link(picture, 0, stack, 0) < 0 || !other || avfilter_link(other, 0, stack, 1) < 0))
            return mError.isEmpty() ? QStringLiteral("cannot link hstack") : mError;
        picture = stack;
    } else if (second && cameras == ClipCameras::PictureInPicture) {
        const int insetWidth = even(main.width / kInsetDivisor);
        const int insetHeight = even(llround(double(second->height) * insetWidth / second->width));
        const int border = std::max(1, main.width * kInsetBorder / 1000);
        const int margin = main.width * kInsetMargin / 1000;
        AVFilterContext* inset = chain(mInputs[1].source, "scale", {{"w", number(insetWidth)}, {"h", number(insetHeight)}});
        inset = chain(inset, "pad", {{"width", number(insetWidth + 2 * border)}, {"height", number(insetHeight + 2 * border)},
                                     {"x", number(border)}, {"y", number(border)}, {"color", "white"}});
        AVFilterContext* over = add("overlay", {{"x", number(main.width - insetWidth - 2 * border - margin)},
                                                {"y", number(margin)}});
        if (over && (avfilter_link(picture, 0, over, 0) < 0 || !inset || avfilter_link(inset, 0, over, 1) < 0))
            return mError.isEmpty() ? QStringLiteral("cannot link overlay") : mError;
        picture = over;
    }
    // x264 takes 4:2:0 pictures of even sides only.
    if (width % 2 || main.height % 2)
        picture = chain(picture, "crop", {{"w", number(even(width))}, {"h", number(even(main.height))},
                                          {"x", "0"}, {"y", "0"}});
    picture = chain(picture, "format", {{"pix_fmts", "yuv420p"}});
    mSink = chain(picture, "buffersink", {});
    if (!mSink)
        return mError;
    if (const int configured = avfilter_graph_config(mGraph.get(), nullptr); configured < 0)
        return pmAvError(configured);
    return {};
}

int ClipComposer::width() const
{
    return av_buffersink_get_w(mSink);
}

int ClipComposer::height() const
{
    return av_buffersink_get_h(mSink);
}

AVRational ClipComposer::timeBase() const
{
    return av_buffersink_get_time_base(mSink);
}

bool ClipComposer::feed(Input& input, int64_t n, const AVFrame* picture, const std::string* text)
{
    AvFramePtr frame(av_frame_clone(picture ? picture : input.black.get()));
    if (!frame)
        return false;
    frame->pts = n;
    frame->pict_type = AV_PICTURE_TYPE_NONE;
    if (text && !text->empty())
        av_dict_set(&frame->metadata, kOverlayKey, text->c_str(), 0);
    return av_buffersrc_add_frame_flags(input.source, frame.get(), 0) >= 0;
}

bool ClipComposer::push(int64_t n, const AVFrame* main, const AVFrame* second, const std::string& text)
{
    return feed(mInputs[0], n, main, &text) && (!mInputs[1].source || feed(mInputs[1], n, second, nullptr));
}

bool ClipComposer::close()
{
    bool closed = true;
    for (Input& input : mInputs)
        if (input.source)
            closed = av_buffersrc_add_frame(input.source, nullptr) >= 0 && closed;
    return closed;
}

int ClipComposer::pull(AVFrame* frame)
{
    return av_buffersink_get_frame(mSink, frame);
}
