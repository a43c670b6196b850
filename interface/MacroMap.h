// Preprocessor helpers that apply a macro to each argument of a list,
// passing the argument's 1-based position. Up to 19 arguments.
#pragma once

#define QX_CAT_I(a, b) a##b
#define QX_CAT(a, b) QX_CAT_I(a, b)

#define QX_COUNT(...) \
  QX_COUNT_I(__VA_ARGS__ __VA_OPT__(, ) 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0)
#define QX_COUNT_I(_1, _2, _3, _4, _5, _6, _7, _8, _9, _10, _11, _12, _13, _14, _15, _16, _17, _18, _19, n, \
                   ...)                                                                                     \
  n

#define QX_MAP(m, ...) QX_CAT(QX_MAP_, QX_COUNT(__VA_ARGS__))(m __VA_OPT__(, ) __VA_ARGS__)
#define QX_MAP_0(m)
#define QX_MAP_1(m, a1) m(a1, 1)
#define QX_MAP_2(m, a1, a2) QX_MAP_1(m, a1) m(a2, 2)
#define QX_MAP_3(m, a1, a2, a3) QX_MAP_2(m, a1, a2) m(a3, 3)
#define QX_MAP_4(m, a1, a2, a3, a4) QX_MAP_3(m, a1, a2, a3) m(a4, 4)
#define QX_MAP_5(m, a1, a2, a3, a4, a5) QX_MAP_4(m, a1, a2, a3, a4) m(a5, 5)
#define QX_MAP_6(m, a1, a2, a3, a4, a5, a6) QX_MAP_5(m, a1, a2, a3, a4, a5) m(a6, 6)
#define QX_MAP_7(m, a1, a2, a3, a4, a5, a6, a7) QX_MAP_6(m, a1, a2, a3, a4, a5, a6) m(a7, 7)
#define QX_MAP_8(m, a1, a2, a3, a4, a5, a6, a7, a8) QX_MAP_7(m, a1, a2, a3, a4, a5, a6, a7) m(a8, 8)
#define QX_MAP_9(m, a1, a2, a3, a4, a5, a6, a7, a8, a9) QX_MAP_8(m, a1, a2, a3, a4, a5, a6, a7, a8) m(a9, 9)
#define QX_MAP_10(m, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10) \
  QX_MAP_9(m, a1, a2, a3, a4, a5, a6, a7, a8, a9) m(a10, 10)
#define QX_MAP_11(m, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11) \
  QX_MAP_10(m, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10) m(a11, 11)
#define QX_MAP_12(m, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12) \
  QX_MAP_11(m, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11) m(a12, 12)
#define QX_MAP_13(m, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13) \
  QX_MAP_12(m, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12) m(a13, 13)
#define QX_MAP_14(m, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14) \
  QX_MAP_13(m, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13) m(a14, 14)
#define QX_MAP_15(m, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15) \
  QX_MAP_14(m, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14) m(a15, 15)
#define QX_MAP_16(m, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16) \
  QX_MAP_15(m, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15) m(a16, 16)
#define QX_MAP_17(m, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17) \
  QX_MAP_16(m, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16) m(a17, 17)
#define QX_MAP_18(m, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18) \
  QX_MAP_17(m, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17) m(a18, 18)
#define QX_MAP_19(m, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19) \
  QX_MAP_18(m, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18) m(a19, 19)
