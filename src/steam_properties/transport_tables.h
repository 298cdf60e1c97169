// Coefficient tables of the IAPS Formulation 1985 for the viscosity (industrial form, without
// the critical enhancement) and for the thermal conductivity of ordinary water substance.
// The reduced variables are theta = 647.226 K / T and rhoR = rho / 317.763 kg/m3; all tables are
// dimensionless.
#pragma once

#include <array>

namespace corvasine::steam {

// IAPS 1985 viscosity, ideal-gas part: mu0 = 1 / (theta^0.5 * sum H_k theta^k), k = 0 to 3.
inline constexpr std::array<double, 4> H0visc{1.0, 0.978197, 0.579829, -0.202354};

// IAPS 1985 viscosity, residual part: the 19 nonzero H_ij, summed in this order as
// H_ij (theta - 1)^i (rhoR - 1)^j; Hivisc holds i and Hjvisc holds j of each term. Index k holds
// term k + 1 of the published list.
inline constexpr std::array<double, 19> Hijvisc{
    0.5132047,  0.3205656,  -0.7782567, 0.1885447,   0.2151778,    0.7317883, 1.241044,
    1.476783,   -0.2818107, -1.070786,  -1.263184,   0.1778064,    0.4605040, 0.2340379,
    -0.4924179, -0.0417661, 0.1600435,  -0.01578386, -0.003629481,
};
inline constexpr std::array<int, 19> Hivisc{0, 1, 4, 5, 0, 1, 2, 3, 0, 1,
                                            2, 0, 1, 2, 3, 0, 3, 1, 3};
inline constexpr std::array<int, 19> Hjvisc{0, 0, 0, 0, 1, 1, 1, 1, 2, 2,
                                            2, 3, 3, 3, 3, 4, 4, 5, 6};

// IAPS 1985 thermal conductivity, ideal-gas part:
// lambda0 = 1 / (theta^0.5 * sum L_k theta^k), k = 0 to 3.
inline constexpr std::array<double, 4> L0thcon{1.0, 6.978267, 2.599096, -0.998254};

// IAPS 1985 thermal conductivity, residual part: Lijthcon[i][j] multiplies
// (theta - 1)^i (rhoR - 1)^j; the six zero entries are part of the published table.
inline constexpr std::array<std::array<double, 6>, 5> Lijthcon{{
    {1.3293046, -0.40452437, 0.24409490, 0.018660751, -0.12961068, 0.044809953},
    {1.7018363, -2.2156845, 1.6511057, -0.76736002, 0.37283344, -0.11203160},
    {5.2246158, -10.124111, 4.9874687, -0.27297694, -0.43083393, 0.13333849},
    {8.7127675, -9.5000611, 4.3786606, -0.91783782, 0.0, 0.0},
    {-1.8525999, 0.93404690, 0.0, 0.0, 0.0, 0.0},
}};

}  // namespace corvasine::steam
