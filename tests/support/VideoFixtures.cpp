#include "VideoFixtures.h"

#include <cctype>

namespace {

void be32(std::string& s, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        s += static_cast<char>((v >> shift) & 0xFF);
}

void be64(std::string& s, std::uint64_t v)
{
    be32(s, static_cast<std::uint32_t>(v >> 32));
    be32(s, static_cast<std::uint32_t>(v));
}

void le32(std::string& s, std::uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8)
        s += static_cast<char>((v >> shift) & 0xFF);
}

struct AtomFactory {
    bool upper = false;

    std::string type(std::string t) const
    {
        if (upper)
            for (char& c : t)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return t;
    }

    std::string atom(const std::string& t, const std::string& body) const
    {
        std::string s;
        be32(s, static_cast<std::uint32_t>(8 + body.size()));
        s += type(t);
        return s + body;
    }
};

std::string movieHeader(const Mp4Options& o, const AtomFactory& f)
{
    std::string body;
    if (o.movieHeaderVersion1) {
        be32(body, 0x01000000);
        be64(body, 0);
        be64(body, 0);
        be32(body, o.timeScale);
        be64(body, o.duration);
    } else {
        be32(body, 0);
        be32(body, 0);
        be32(body, 0);
        be32(body, o.timeScale);
        be32(body, static_cast<std::uint32_t>(o.duration));
    }
    body += std::string(80, '\0');
    return f.atom("mvhd", body);
}

std::string track(const std::string& handler, const std::string& entry, const AtomFactory& f)
{
    std::string stsdBody;
    be32(stsdBody, 0);
    be32(stsdBody, 1);
    stsdBody += f.atom(entry, std::string(78, '\0'));
    std::string stbl = f.atom("stbl", f.atom("stsd", stsdBody) + f.atom("stts", std::string(8, '\0')));
    std::string minf = f.atom("minf", f.atom("vmhd", std::string(12, '\0')) + f.atom("dinf", std::string(28, '\0')) + stbl);
    std::string hdlr = f.atom("hdlr", std::string(8, '\0') + handler + std::string(13, '\0'));
    std::string mdia = f.atom("mdia", f.atom("mdhd", std::string(24, '\0')) + hdlr + minf);
    return f.atom("trak", f.atom("tkhd", std::string(84, '\0')) + mdia);
}

std::string mediaData(const Mp4Options& o, const AtomFactory& f)
{
    std::string body(o.mediaBytes, '\x5A');
    std::string s;
    if (o.mediaLargeSize) {
        be32(s, 1);
        s += f.type("mdat");
        be64(s, 16 + body.size());
    } else {
        be32(s, o.mediaSizeZero ? 0 : static_cast<std::uint32_t>(8 + body.size()));
        s += f.type("mdat");
    }
    return s + body;
}

} // namespace

std::string makeMp4(const Mp4Options& o)
{
    AtomFactory f{o.upperCaseTypes};
    std::string ftypBody = "isom";
    be32(ftypBody, 0x200);
    ftypBody += "isomavc1";
    std::string head = f.atom(o.firstAtom, ftypBody);

    std::string tracks;
    if (o.audioTrackFirst)
        tracks += track("soun", "mp4a", f);
    tracks += track("vide", o.sampleEntry, f);
    std::string moov = f.atom("moov", movieHeader(o, f) + tracks);
    std::string mdat = mediaData(o, f);
    return o.movieAtEnd ? head + mdat + moov : head + moov + mdat;
}

std::string makeAvi(const std::string& handler, std::uint32_t frames, std::uint32_t microsPerFrame, std::uint32_t rate)
{
    std::string avih;
    le32(avih, microsPerFrame);
    avih += std::string(12, '\0');
    le32(avih, frames);
    avih += std::string(56 - avih.size(), '\0');

    std::string strh = "vids" + handler + std::string(12, '\0');
    le32(strh, 1); // scale
    le32(strh, rate);
    le32(strh, 0); // start
    le32(strh, frames);
    strh += std::string(56 - strh.size(), '\0');
    std::string strl = "LIST";
    le32(strl, static_cast<std::uint32_t>(4 + 8 + strh.size()));
    strl += "strlstrh";
    le32(strl, static_cast<std::uint32_t>(strh.size()));
    strl += strh;

    std::string hdrl = "hdrlavih";
    le32(hdrl, static_cast<std::uint32_t>(avih.size()));
    hdrl += avih + strl;

    std::string riff = "AVI LIST";
    le32(riff, static_cast<std::uint32_t>(hdrl.size()));
    riff += hdrl;
    riff += "LIST";
    le32(riff, 4 + 1024);
    riff += "movi" + std::string(1024, '\0');

    std::string file = "RIFF";
    le32(file, static_cast<std::uint32_t>(riff.size()));
    return file + riff;
}
