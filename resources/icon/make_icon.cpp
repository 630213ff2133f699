// Draws the program's icon and writes it as an .ico file (16 x 16 and 32 x 32, 32-bit with
// alpha). Built and run with the build machine's own compiler while skarvel.exe is built.
//
// The picture: a teal rounded square with a darker rim and a white four-pointed sparkle, a
// smaller one beside it.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

struct Rgba {
    double r = 0, g = 0, b = 0, a = 0;
};

// Coverage-weighted colour of the point (x, y) in a 1 x 1 square.
Rgba Sample(double x, double y) {
    auto inRounded = [](double px, double py, double inset, double radius) {
        double lo = inset + radius, hi = 1.0 - inset - radius;
        double dx = px < lo ? lo - px : px > hi ? px - hi : 0.0;
        double dy = py < lo ? lo - py : py > hi ? py - hi : 0.0;
        return dx * dx + dy * dy <= radius * radius;
    };
    auto inSparkle = [](double px, double py, double cx, double cy, double size) {
        double dx = std::fabs(px - cx) / size, dy = std::fabs(py - cy) / size;
        return std::sqrt(dx) + std::sqrt(dy) <= 1.0;
    };
    if (!inRounded(x, y, 0.02, 0.2)) return {};
    if (inSparkle(x, y, 0.44, 0.54, 0.36) || inSparkle(x, y, 0.74, 0.26, 0.16))
        return {255, 255, 255, 255};
    if (!inRounded(x, y, 0.09, 0.14)) return {0, 72, 72, 255};  // the rim
    double shade = 1.0 - 0.35 * y;                              // lighter at the top
    return {0, 150 * shade, 150 * shade, 255};
}

// SIZE x SIZE pixels, top row first, as BGRA; four by four samples per pixel.
std::vector<std::uint8_t> Draw(int size) {
    std::vector<std::uint8_t> bgra;
    const int n = 4;
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            Rgba sum;
            for (int sy = 0; sy < n; ++sy)
                for (int sx = 0; sx < n; ++sx) {
                    Rgba s = Sample((px + (sx + 0.5) / n) / size, (py + (sy + 0.5) / n) / size);
                    sum.r += s.r * s.a / 255;
                    sum.g += s.g * s.a / 255;
                    sum.b += s.b * s.a / 255;
                    sum.a += s.a;
                }
            double alpha = sum.a / (n * n);
            double scale = sum.a > 0 ? 255.0 / sum.a : 0;  // un-premultiply
            bgra.push_back(static_cast<std::uint8_t>(std::lround(sum.b * scale)));
            bgra.push_back(static_cast<std::uint8_t>(std::lround(sum.g * scale)));
            bgra.push_back(static_cast<std::uint8_t>(std::lround(sum.r * scale)));
            bgra.push_back(static_cast<std::uint8_t>(std::lround(alpha)));
        }
    }
    return bgra;
}

void Put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
void Put32(std::vector<std::uint8_t>& out, unsigned v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// One icon image: the bitmap header, the colour rows bottom-up, the mask rows bottom-up.
std::vector<std::uint8_t> Image(int size) {
    std::vector<std::uint8_t> pixels = Draw(size);
    std::vector<std::uint8_t> out;
    Put32(out, 40);
    Put32(out, static_cast<unsigned>(size));
    Put32(out, static_cast<unsigned>(size * 2));  // colour and mask together
    Put16(out, 1);
    Put16(out, 32);
    for (int i = 0; i < 6; ++i) Put32(out, 0);
    for (int y = size - 1; y >= 0; --y)
        out.insert(out.end(), pixels.begin() + y * size * 4, pixels.begin() + (y + 1) * size * 4);
    int maskStride = ((size + 31) / 32) * 4;
    for (int y = size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<size_t>(maskStride), 0);
        for (int x = 0; x < size; ++x)
            if (pixels[static_cast<size_t>((y * size + x) * 4 + 3)] == 0)
                row[static_cast<size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon OUTPUT.ico\n");
        return 2;
    }
    const int sizes[] = {16, 32, 48};
    std::vector<std::vector<std::uint8_t>> images;
    for (int size : sizes) images.push_back(Image(size));
    std::vector<std::uint8_t> file;
    Put16(file, 0);
    Put16(file, 1);  // an icon
    Put16(file, static_cast<unsigned>(images.size()));
    unsigned offset = 6 + 16 * static_cast<unsigned>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        file.push_back(static_cast<std::uint8_t>(sizes[i]));
        file.push_back(static_cast<std::uint8_t>(sizes[i]));
        file.push_back(0);  // no palette
        file.push_back(0);
        Put16(file, 1);
        Put16(file, 32);
        Put32(file, static_cast<unsigned>(images[i].size()));
        Put32(file, offset);
        offset += static_cast<unsigned>(images[i].size());
    }
    for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());
    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    written = std::fclose(out) == 0 && written;
    if (!written) std::perror(argv[1]);
    return written ? 0 : 1;
}
