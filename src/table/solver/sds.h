/* The solver library's C interface: double-dummy search, single-dummy card play and bid
   simulation. Every argument is a 32-bit integer passed by value, in the program's card
   encodings (suits clubs 0 .. spades 3, no trump 4; seats North 0 .. West 3; ranks 2 .. 14 with
   the ace 14; a holding has bit r set for rank r). Arrays are spread over the argument list in
   the order given; the two 150-value blocks travel as one struct by value, because a call with
   150 separate arguments cannot be written by hand. Results go to an int32 array supplied by
   the caller. */
#ifndef CORVANE_SDS_H
#define CORVANE_SDS_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Return codes of SolveBoard and CalcDDtable. */
#define SDS_OK 1
#define SDS_NO_CARDS (-2)              /* no card left in any hand */
#define SDS_TARGET_ABOVE_LEFT (-3)     /* target above the tricks left */
#define SDS_DUPLICATED_CARDS (-4)      /* a card in two hands, or in a hand and on the table */
#define SDS_TARGET_BELOW_MINUS1 (-5)   /* target below -1 */
#define SDS_TARGET_ZERO (-6)           /* target 0 */
#define SDS_TARGET_ABOVE_13 (-7)       /* target above 13 */
#define SDS_SOLUTIONS_BELOW_1 (-8)     /* solutions below 1 */
#define SDS_SOLUTIONS_ABOVE_3 (-9)     /* solutions above 3 */
#define SDS_TOO_MANY_CARDS (-10)       /* more than 52 cards, or a hand above 13 */
#define SDS_OUT_OF_MEMORY (-11)        /* the search tables could not be allocated */
#define SDS_BAD_DEAL (-12)             /* hands of unequal length after the cards on the table,
                                          a trump, seat, suit or rank out of range, or a thread
                                          index out of range */
/* Return codes of the card play and SimBid; 0 is success there. */
#define SDS_BAD_BLOCK (-13)            /* a play block value out of range */
#define SDS_NOT_INITIALIZED (-14)      /* no hand: Initialize has not succeeded */
#define SDS_BAD_CARD (-15)             /* not a card, played already, or not that seat's to play */
#define SDS_NOTHING_TO_TAKE_BACK (-16) /* no card has been played */
#define SDS_BAD_HAND (-17)             /* GetSD's 13 cards do not fit the cards played */
#define SDS_NO_LAYOUT (-18)            /* no layout of the unseen cards fits the play */

/* Result sizes, in int32 values. */
#define SDS_SOLVE_RESULT_SIZE 54
#define SDS_TABLE_RESULT_SIZE 20
#define SDS_GETSD_RESULT_SIZE 225
#define SDS_SIMBID_RESULT_SIZE 15
#define SDS_BLOCK_SIZE 150
#define SDS_MAX_THREADS 16

/* The play parameter block of Initialize and SimBid, in the order the table fills it; the last
   value is the board's seed. */
typedef struct SdsBlock {
    int32_t value[SDS_BLOCK_SIZE];
} SdsBlock;

/* Before the opening lead: takes the play block and keeps the library's copy of the deal.
   0 = success. */
int32_t Initialize(SdsBlock block);

/* After every card, in play order. 0 = success. */
int32_t PlayCard(int32_t suit, int32_t rank);

/* Once per take-back: drops the last card played. 0 = success. */
int32_t TakeBackCard(void);

/* The card for the seat to play (the declarer's own 13 cards as dealt when dummy plays), given
   those 13 cards as (suit, rank) pairs. Result (225 values): chosen card suit and rank, one
   value, 13 (suit, rank) entries, 183 further values; when the chosen rank is below 2 the first
   entry is the card. 0 = success. */
int32_t GetSD(int32_t suit0, int32_t rank0, int32_t suit1, int32_t rank1, int32_t suit2,
              int32_t rank2, int32_t suit3, int32_t rank3, int32_t suit4, int32_t rank4,
              int32_t suit5, int32_t rank5, int32_t suit6, int32_t rank6, int32_t suit7,
              int32_t rank7, int32_t suit8, int32_t rank8, int32_t suit9, int32_t rank9,
              int32_t suit10, int32_t rank10, int32_t suit11, int32_t rank11, int32_t suit12,
              int32_t rank12, int32_t* result);

/* Double-dummy solve of the position: trump (0..4), the leader of the current trick, the suits
   then the ranks of up to three cards already played to it (0 when absent), then the 16 holdings
   still held, seat-major and suit-minor.
   target: -1 finds the most tricks; 1..13 asks for cards that take at least that many.
   solutions: 1 one best card, 2 every card of the best score, 3 every card with its score.
   mode: 0, 1 or 2; the answers do not depend on it (table memory is kept between successive
   solves of one hand whatever the mode).
   threadIndex: 0 .. SDS_MAX_THREADS - 1; calls running at the same time use different indices.
   Result (54 values): nodes searched, number of cards listed (n), then 13 suits, 13 ranks,
   13 equal-card holdings (the lower cards of the same hand that play the same) and 13 scores;
   entries 0 .. n-1 are used. Scores count the tricks the side to play still takes, the current
   trick included; with a target, a card that cannot reach it is not listed, and when none can
   one card is listed with score 0. Returns SDS_OK or an error code above. */
int32_t SolveBoard(int32_t trump, int32_t leader, int32_t trickSuit0, int32_t trickSuit1,
                   int32_t trickSuit2, int32_t trickRank0, int32_t trickRank1, int32_t trickRank2,
                   int32_t northClubs, int32_t northDiamonds, int32_t northHearts,
                   int32_t northSpades, int32_t eastClubs, int32_t eastDiamonds,
                   int32_t eastHearts, int32_t eastSpades, int32_t southClubs,
                   int32_t southDiamonds, int32_t southHearts, int32_t southSpades,
                   int32_t westClubs, int32_t westDiamonds, int32_t westHearts,
                   int32_t westSpades, int32_t target, int32_t solutions, int32_t mode,
                   int32_t* result, int32_t threadIndex);

/* The double-dummy table of a full deal given as 16 holdings, seat-major and suit-minor.
   Result (20 values): strain-major (clubs .. no trump), seat-minor: the tricks that seat takes
   as declarer. Returns SDS_OK or an error code above (the hands must hold 13 cards each). */
int32_t CalcDDtable(int32_t northClubs, int32_t northDiamonds, int32_t northHearts,
                    int32_t northSpades, int32_t eastClubs, int32_t eastDiamonds,
                    int32_t eastHearts, int32_t eastSpades, int32_t southClubs,
                    int32_t southDiamonds, int32_t southHearts, int32_t southSpades,
                    int32_t westClubs, int32_t westDiamonds, int32_t westHearts,
                    int32_t westSpades, int32_t* result);

/* Simulation of one candidate call with the play block (the caller's seat and 13 cards, the
   contract, what each player has shown; the time allowance sets the number of deals): result[0]
   the number of deals simulated, then 14 counts of deals by the tricks declarer takes, 0 .. 13.
   candidate: 1. Returns the number of deals, or a negative code above. */
int32_t SimBid(SdsBlock block, int32_t candidate, int32_t* result);

#ifdef __cplusplus
}
#endif

#endif
