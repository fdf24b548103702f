<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="ko_KR">
<context>
    <name>Localizable_R640</name>
    <message>
        <source>메모리카드 오류</source>
        <translation>Erro do cartão de memória</translation>
    </message>
    <message>
        <source>메모리카드를 확인하여 주시기 바랍니다.</source>
        <translation>Verifique o cartão de memória.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>언어</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>영어</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>프랑스어</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>일본어</source>
        <translation>Japonês</translation>
    </message>
    <message>
        <source>속도 단위</source>
        <translation>Unidade de velocidade</translation>
    </message>
    <message>
        <source>KM/H</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>MPH</source>
        <translation>mph</translation>
    </message>
    <message>
        <source>파일_전체</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>파일_상시</source>
        <translation>Contínuo</translation>
    </message>
    <message>
        <source>파일_모션</source>
        <translation>Movimento</translation>
    </message>
    <message>
        <source>파일_이벤트</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>파일_수동</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>플래시 메모리를 선택해주세요.</source>
        <translation>Selecione o cartão de memória.</translation>
    </message>
    <message>
        <source>오스트레보 블랙박스 정보를 읽을 수 없습니다.
모델명을 선택하면 기본 설정 값을 적용 할 수 있습니다.</source>
        <translation>Não é possível ler as informações da câmara de bordo.
Selecione o nome do modelo para aplicar as definições predefinidas.</translation>
    </message>
    <message>
        <source>취소</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>열기</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>지원하지 않는 형식으로 인코딩된 동영상입니다.</source>
        <translation>Este vídeo está codificado num formato não suportado.</translation>
    </message>
    <message>
        <source>저장</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>블랙박스 설정</source>
        <translation>Definições da câmara de bordo</translation>
    </message>
    <message>
        <source>설정값 초기화</source>
        <translation>Repor predefinições</translation>
    </message>
    <message>
        <source>아니오</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>예</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>확인</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>메모리 카드를 포멧할 수 없습니다.</source>
        <translation>Não é possível formatar o cartão de memória.</translation>
    </message>
    <message>
        <source>메모리 카드 포멧</source>
        <translation>Formatar cartão de memória</translation>
    </message>
    <message>
        <source>주의 : 포맷 시 메모리 카드의 모든 데이터가 삭제됩니다. &#13;
포맷하려면 (예)를, 취소하려면 (아니오)를 선택 하십시오.</source>
        <translation>Atenção: a formatação apaga todos os dados do cartão de memória.
Selecione «Sim» para formatar ou «Não» para cancelar.</translation>
    </message>
    <message>
        <source>포맷 중 입니다.&#13;
잠시만 기다려 주십시오.</source>
        <translation>A formatar…
Aguarde um momento.</translation>
    </message>
    <message>
        <source>메모리 카드 포맷이 완료 되었습니다.</source>
        <translation>A formatação do cartão de memória foi concluída.</translation>
    </message>
    <message>
        <source>메모리 카드를 포멧할 수 없습니다.&#13;
&#13;
CAR VIEWR에서 동영상을 재생 중이거나 GPS 데이터를 수집중인 경우&#13;
CAR VIEWER를 종료하고 다시 포맷하십시오.&#13;
메모리카드를 사용하고 있는 디스크 유틸리티나 다른 프로그램을 종료하고&#13;
메모리카드의 내용을 표시하고 있는 창이 없는지 확인한 다음 다시 포맷하십시오.</source>
        <translation>Não é possível formatar o cartão de memória.

Se o Drovik Viewer estiver a reproduzir um vídeo ou a recolher dados GPS,
feche o Drovik Viewer e formate novamente.
Feche o utilitário de disco ou qualquer outro programa que esteja a utilizar o cartão de memória,
confirme que nenhuma janela está a mostrar o conteúdo do cartão de memória e formate novamente.</translation>
    </message>
    <message>
        <source>초기화하기</source>
        <translation>Repor</translation>
    </message>
    <message>
        <source>주의 : 현재 설정된 화면 터치 정확도 값이 초기화 됩니다.&#13;
초기화하려면 (예)를, 취소하려면 (아니오)를 선택 하십시오.</source>
        <translation>Atenção: a calibração atual do ecrã tátil vai ser reposta.
Selecione «Sim» para repor ou «Não» para cancelar.</translation>
    </message>
    <message>
        <source>화면 터치 정확도 초기화가 완료되었습니다.</source>
        <translation>A calibração do ecrã tátil foi reposta.</translation>
    </message>
    <message>
        <source>사용함</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>사용 안함</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>어둡게</source>
        <translation>Mais escuro</translation>
    </message>
    <message>
        <source>밝게</source>
        <translation>Mais claro</translation>
    </message>
    <message>
        <source>mph</source>
        <translation>mph</translation>
    </message>
    <message>
        <source>kph</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>AAAA-MM-DD</translation>
    </message>
    <message>
        <source>MMM-dd-yyyy</source>
        <translation>MMM-DD-AAAA</translation>
    </message>
    <message>
        <source>2분 후</source>
        <translation>Após 2 min</translation>
    </message>
    <message>
        <source>5분 후</source>
        <translation>Após 5 min</translation>
    </message>
    <message>
        <source>10분 후</source>
        <translation>Após 10 min</translation>
    </message>
    <message>
        <source>V820 : 30초 후</source>
        <translation>Após 30 s</translation>
    </message>
    <message>
        <source>V820 : 10분 후</source>
        <translation>Após 10 min</translation>
    </message>
    <message>
        <source>고정 15fps</source>
        <translation>15 fps fixo</translation>
    </message>
    <message>
        <source>고정 30fps</source>
        <translation>30 fps fixo</translation>
    </message>
    <message>
        <source>낮음</source>
        <translation>Baixa</translation>
    </message>
    <message>
        <source>보통</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>높음</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>세단</source>
        <translation>Berlina</translation>
    </message>
    <message>
        <source>SUV</source>
        <translation>SUV</translation>
    </message>
    <message>
        <source>트럭 (버스)</source>
        <translation>Camião (autocarro)</translation>
    </message>
    <message>
        <source>주차모션</source>
        <translation>Movimento em estacionamento</translation>
    </message>
    <message>
        <source>타임랩스</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>모드 1</source>
        <translation>Modo 1</translation>
    </message>
    <message>
        <source>모드 2</source>
        <translation>Modo 2</translation>
    </message>
    <message>
        <source>모드 3</source>
        <translation>Modo 3</translation>
    </message>
    <message>
        <source>A Type(권장)</source>
        <translation>Tipo A (recomendado)</translation>
    </message>
    <message>
        <source>B Type</source>
        <translation>Tipo B</translation>
    </message>
    <message>
        <source>C Type</source>
        <translation>Tipo C</translation>
    </message>
    <message>
        <source>주차모드</source>
        <translation>Modo de estacionamento</translation>
    </message>
    <message>
        <source>주차모션 선택 시,
타임랩스 영상이 삭제되고 주차모션 영상이 저장됩니다.
적용하시겠습니까?</source>
        <translation>Se selecionar Movimento em estacionamento,
os vídeos em time-lapse serão eliminados e os vídeos de movimento em estacionamento serão guardados.
Pretende aplicar esta definição?</translation>
    </message>
    <message>
        <source>타임랩스 선택 시 
주차모션 영상이 삭제되고 주차모드 및 주차충격 영상이 타임랩스로 저장됩니다.
적용하시겠습니까?</source>
        <translation>Se selecionar Time-lapse,
os vídeos de movimento em estacionamento serão eliminados, e os vídeos do modo de estacionamento e de impacto em estacionamento serão guardados em time-lapse.
Pretende aplicar esta definição?</translation>
    </message>
    <message>
        <source>주차모드를 사용하지 않는 경우,
차량 시동이 꺼지면 주차 중 녹화가 되지 않습니다.
주차모드 사용을 해제 하시겠습니까?</source>
        <translation>Se o modo de estacionamento não for utilizado,
não é feita nenhuma gravação durante o estacionamento depois de o motor ser desligado.
Pretende desativar o modo de estacionamento?</translation>
    </message>
    <message>
        <source>공통</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>상시모드</source>
        <translation>Modo contínuo</translation>
    </message>
    <message>
        <source>부가기능</source>
        <translation>Funções adicionais</translation>
    </message>
    <message>
        <source>밝기</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>전방</source>
        <translation>Dianteira</translation>
    </message>
    <message>
        <source>후방</source>
        <translation>Traseira</translation>
    </message>
    <message>
        <source>음성녹음</source>
        <translation>Gravação de som</translation>
    </message>
    <message>
        <source>음성 멘트</source>
        <translation>Orientação por voz</translation>
    </message>
    <message>
        <source>볼륨</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>시간설정</source>
        <translation>Acerto da hora</translation>
    </message>
    <message>
        <source>현재 시간 가져오기</source>
        <translation>Usar hora atual</translation>
    </message>
    <message>
        <source>표준시간대</source>
        <translation>Fuso horário</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>Hora de verão</translation>
    </message>
    <message>
        <source>설정</source>
        <translation>Ativada</translation>
    </message>
    <message>
        <source>해제</source>
        <translation>Desativada</translation>
    </message>
    <message>
        <source>비디오 날짜 형식</source>
        <translation>Formato da data do vídeo</translation>
    </message>
    <message>
        <source>e.g.)</source>
        <translation>ex.:</translation>
    </message>
    <message>
        <source>속도표시</source>
        <translation>Unidade de velocidade</translation>
    </message>
    <message>
        <source>안전운행 구간 음성 안내</source>
        <translation>Avisos de voz de zonas de segurança</translation>
    </message>
    <message>
        <source>LCD 화면 밝기</source>
        <translation>Brilho do ecrã LCD</translation>
    </message>
    <message>
        <source>어두움</source>
        <translation>Escuro</translation>
    </message>
    <message>
        <source>밝음</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>LCD 자동 꺼짐</source>
        <translation>Desligar ecrã LCD automaticamente</translation>
    </message>
    <message>
        <source>영상 속도 정보 표출</source>
        <translation>Velocidade no vídeo</translation>
    </message>
    <message>
        <source>영상 해상도</source>
        <translation>Resolução de vídeo</translation>
    </message>
    <message>
        <source>프레임 수</source>
        <translation>Taxa de fotogramas</translation>
    </message>
    <message>
        <source>영상 화질</source>
        <translation>Qualidade de vídeo</translation>
    </message>
    <message>
        <source>충격 감도</source>
        <translation>Sensibilidade ao impacto</translation>
    </message>
    <message>
        <source>둔감</source>
        <translation>Baixa</translation>
    </message>
    <message>
        <source>민감</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>V820 : 안전운행 구간 음성 안내</source>
        <translation>Avisos de voz de zonas de segurança</translation>
    </message>
    <message>
        <source>역광보정 기능(WDR)</source>
        <translation>Compensação de contraluz (WDR)</translation>
    </message>
    <message>
        <source>차량 종류</source>
        <translation>Tipo de veículo</translation>
    </message>
    <message>
        <source>차선이탈 경보</source>
        <translation>Aviso de saída de faixa</translation>
    </message>
    <message>
        <source>차선이탈 민감도</source>
        <translation>Sensibilidade do aviso de saída de faixa</translation>
    </message>
    <message>
        <source>왼쪽</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>오른쪽</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>차선이탈 감지 속도</source>
        <translation>Velocidade de deteção de saída de faixa</translation>
    </message>
    <message>
        <source>전방 추돌 경보</source>
        <translation>Aviso de colisão frontal</translation>
    </message>
    <message>
        <source>전방 추돌 민감도</source>
        <translation>Sensibilidade do aviso de colisão</translation>
    </message>
    <message>
        <source>앞차 출발 알림</source>
        <translation>Aviso de arranque do veículo da frente</translation>
    </message>
    <message>
        <source>이동식 단속 구간 안내</source>
        <translation>Avisos de radares móveis</translation>
    </message>
    <message>
        <source>(시동이 꺼지면 주차 녹화 모드로 전환합니다</source>
        <translation>(Passa para a gravação em estacionamento quando o motor é desligado)</translation>
    </message>
    <message>
        <source>(시동이 꺼지면 블랙박스를 종료합니다</source>
        <translation>(Desliga a câmara de bordo quando o motor é desligado)</translation>
    </message>
    <message>
        <source>슈퍼 나이트 비전</source>
        <translation>Super visão noturna</translation>
    </message>
    <message>
        <source>모션 감지</source>
        <translation>Deteção de movimento</translation>
    </message>
    <message>
        <source>녹화 종료 타이머 설정</source>
        <translation>Temporizador de fim de gravação</translation>
    </message>
    <message>
        <source>시간</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>녹화 종료 전압 설정</source>
        <translation>Tensão de corte da gravação</translation>
    </message>
    <message>
        <source>차량전압 12V</source>
        <translation>Veículo de 12 V</translation>
    </message>
    <message>
        <source>차량전압 24V</source>
        <translation>Veículo de 24 V</translation>
    </message>
    <message>
        <source>녹화 영상 별 덮어쓰기</source>
        <translation>Substituição por tipo de gravação</translation>
    </message>
    <message>
        <source>상시 녹화</source>
        <translation>Gravação contínua</translation>
    </message>
    <message>
        <source>상시 충격</source>
        <translation>Impacto em modo contínuo</translation>
    </message>
    <message>
        <source>주차 모션</source>
        <translation>Movimento em estacionamento</translation>
    </message>
    <message>
        <source>주차 충격</source>
        <translation>Impacto em estacionamento</translation>
    </message>
    <message>
        <source>수동 녹화</source>
        <translation>Gravação manual</translation>
    </message>
    <message>
        <source>시큐리티 LED</source>
        <translation>LED de segurança</translation>
    </message>
    <message>
        <source>녹화모드에 따라 다르게</source>
        <translation>Varia com o modo de gravação</translation>
    </message>
    <message>
        <source>회전</source>
        <translation>Rotativo</translation>
    </message>
    <message>
        <source>Left-Right</source>
        <translation>Esquerda-direita</translation>
    </message>
    <message>
        <source>Blinking</source>
        <translation>Intermitente</translation>
    </message>
    <message>
        <source>메모리 파티션</source>
        <translation>Partição da memória</translation>
    </message>
    <message>
        <source>상시녹화</source>
        <translation>Contínua</translation>
    </message>
    <message>
        <source>상시충격</source>
        <translation>Impacto contínuo</translation>
    </message>
    <message>
        <source>주차충격</source>
        <translation>Impacto estacionamento</translation>
    </message>
    <message>
        <source>수동녹화</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>포멧하기</source>
        <translation>Formatar</translation>
    </message>
    <message>
        <source>화면 터치 정확도 초기화</source>
        <translation>Repor calibração do ecrã tátil</translation>
    </message>
    <message>
        <source>(UTC-10:00) Hawaii</source>
        <translation>(UTC-10:00) Havai</translation>
    </message>
    <message>
        <source>(UTC-09:00) Alaska</source>
        <translation>(UTC-09:00) Alasca</translation>
    </message>
    <message>
        <source>(UTC-08:00) Pacific Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-08:00) Hora do Pacífico (EUA e Canadá)</translation>
    </message>
    <message>
        <source>(UTC-07:00) Mountain Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-07:00) Hora da Montanha (EUA e Canadá)</translation>
    </message>
    <message>
        <source>(UTC-06:00) Central Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-06:00) Hora Central (EUA e Canadá)</translation>
    </message>
    <message>
        <source>(UTC-05:00) Eastern Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-05:00) Hora do Leste (EUA e Canadá)</translation>
    </message>
    <message>
        <source>(UTC-04:00) Atlantic  Standard Time (Canada)</source>
        <translation>(UTC-04:00) Hora do Atlântico (Canadá)</translation>
    </message>
    <message>
        <source>(UTC) Greenwich</source>
        <translation>(UTC) Hora de Greenwich</translation>
    </message>
    <message>
        <source>(UTC+01:00) Brussels, Copenhagen, Madrid, Paris</source>
        <translation>(UTC+01:00) Bruxelas, Copenhaga, Madrid, Paris</translation>
    </message>
    <message>
        <source>(UTC+08:00) Kuala Lumpur, Singapore</source>
        <translation>(UTC+08:00) Kuala Lumpur, Singapura</translation>
    </message>
    <message>
        <source>(UTC+09:30) Adelaide</source>
        <translation>(UTC+09:30) Adelaide</translation>
    </message>
    <message>
        <source>(UTC+10:00) Canberra, Melbourne, Sidney</source>
        <translation>(UTC+10:00) Camberra, Melbourne, Sydney</translation>
    </message>
    <message>
        <source>N260 : 사용 안 함</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>N260 : 사용 함</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>N260 : 메모리 파티션</source>
        <translation>Partição da memória</translation>
    </message>
    <message>
        <source>N260 : 상시녹화</source>
        <translation>Contínua</translation>
    </message>
    <message>
        <source>N260 : 주차녹화</source>
        <translation>Estacionamento</translation>
    </message>
    <message>
        <source>N260 : 이벤트녹화</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>N260 : 수동녹화</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>N260 : 자동주차모드</source>
        <translation>Modo de estacionamento automático</translation>
    </message>
    <message>
        <source>N260 : 녹화종료전압</source>
        <translation>Tensão de corte da gravação</translation>
    </message>
    <message>
        <source>N260 : 날짜 / 시간</source>
        <translation>Data / hora</translation>
    </message>
    <message>
        <source>N260 : 표준 시간대</source>
        <translation>Fuso horário</translation>
    </message>
    <message>
        <source>N260 : Daylight Saving Time</source>
        <translation>Hora de verão</translation>
    </message>
    <message>
        <source>N260 : 음성녹음</source>
        <translation>Gravação de som</translation>
    </message>
    <message>
        <source>N260 : 음성안내</source>
        <translation>Orientação por voz</translation>
    </message>
    <message>
        <source>N260 : 작게</source>
        <translation>Baixo</translation>
    </message>
    <message>
        <source>N260 : 크게</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>N260 : 충격감도</source>
        <translation>Sensibilidade ao impacto</translation>
    </message>
    <message>
        <source>N260 : 둔감</source>
        <translation>Baixa</translation>
    </message>
    <message>
        <source>N260 : 민감</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>N260 : 모션인식감도</source>
        <translation>Sensibilidade de deteção de movimento</translation>
    </message>
    <message>
        <source>N260 : 펌웨어 버전</source>
        <translation>Versão do firmware</translation>
    </message>
    <message>
        <source>N260 : Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>N260 : Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a save or print that failed.</extracomment>
        <source>스냅샷을 저장하지 못했습니다.</source>
        <translation>Não foi possível guardar a captura.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a save or print that failed.</extracomment>
        <source>인쇄하지 못했습니다.</source>
        <translation>Não foi possível imprimir a imagem.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a save or print that failed.</extracomment>
        <source>파일을 저장하지 못했습니다.</source>
        <translation>Não foi possível guardar o ficheiro.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a save or print that failed.</extracomment>
        <source>표시된 화면이 없습니다.</source>
        <translation>Não há nenhuma imagem apresentada.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a G-force event's kind</extracomment>
        <source>Harsh braking</source>
        <translation>Travagem brusca</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a G-force event's kind</extracomment>
        <source>Harsh acceleration</source>
        <translation>Aceleração brusca</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a G-force event's kind</extracomment>
        <source>Sharp cornering</source>
        <translation>Curva acentuada</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a G-force event's kind</extracomment>
        <source>Impact</source>
        <translation>Impacto</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the jump buttons' tooltips</extracomment>
        <source>Previous G-force event (Page Up)</source>
        <translation>Evento G anterior (Page Up)</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the jump buttons' tooltips</extracomment>
        <source>Next G-force event (Page Down)</source>
        <translation>Evento G seguinte (Page Down)</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the map legend's start of the route</extracomment>
        <source>Start</source>
        <translation>Partida</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the map legend's end of the route</extracomment>
        <source>End</source>
        <translation>Chegada</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the playback speed button's tooltip</extracomment>
        <source>Playback speed (] faster, [ slower, Backspace normal)</source>
        <translation>Velocidade de reprodução (] mais rápida, [ mais lenta, Backspace normal)</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the track export button's title</extracomment>
        <source>Export Track</source>
        <translation>Exportar trajeto</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the incident export button's title</extracomment>
        <source>Export Incident</source>
        <translation>Exportar incidente</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the track export button's tooltip</extracomment>
        <source>Export Track…</source>
        <translation>Exportar trajeto…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the incident export button's tooltip</extracomment>
        <source>Export Incident…</source>
        <translation>Exportar incidente…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: an export that failed</extracomment>
        <source>The track could not be exported.</source>
        <translation>Não foi possível exportar o trajeto.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the incident export in progress</extracomment>
        <source>Exporting the incident…</source>
        <translation>A exportar o incidente…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the incident export's outcome</extracomment>
        <source>The incident was exported.</source>
        <translation>O incidente foi exportado.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the incident export's outcome</extracomment>
        <source>The incident could not be exported.</source>
        <translation>Não foi possível exportar o incidente.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the incident export's outcome</extracomment>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a group of the keyboard shortcuts window</extracomment>
        <source>Playback</source>
        <translation>Reprodução</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Play or Pause</source>
        <translation>Reproduzir ou pausar</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Previous Frame</source>
        <translation>Quadro anterior</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Next Frame</source>
        <translation>Próximo quadro</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Previous Clip</source>
        <translation>Clipe anterior</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Next Clip</source>
        <translation>Próximo clipe</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Slower</source>
        <translation>Mais devagar</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Faster</source>
        <translation>Mais rápido</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Normal Speed</source>
        <translation>Velocidade normal</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Previous G-Force Event</source>
        <translation>Evento G anterior</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Next G-Force Event</source>
        <translation>Próximo evento G</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Sound On or Off</source>
        <translation>Som ligado ou desligado</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Volume Up</source>
        <translation>Aumentar o volume</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Volume Down</source>
        <translation>Diminuir o volume</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a group of the keyboard shortcuts window</extracomment>
        <source>View</source>
        <translation>Visualização</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Zoom In</source>
        <translation>Aproximar</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Zoom Out</source>
        <translation>Afastar</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Actual Size (1:1)</source>
        <translation>Tamanho real (1:1)</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Pan the Zoomed Picture</source>
        <translation>Mover a imagem ampliada</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Mirror the Pictures</source>
        <translation>Espelhar as imagens</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Swap Front and Rear</source>
        <translation>Trocar frente e traseira</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Full Screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Leave Full Screen</source>
        <translation>Sair da tela cheia</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a group of the keyboard shortcuts window</extracomment>
        <source>Clips and Evidence</source>
        <translation>Clipes e provas</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Choose Folder…</source>
        <translation>Escolher pasta…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Choose a Clip in the List</source>
        <translation>Escolher um clipe na lista</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Play the Chosen Clip</source>
        <translation>Reproduzir o clipe escolhido</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Save a Still…</source>
        <translation>Salvar uma imagem…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Save a Copy of the Clip…</source>
        <translation>Salvar uma cópia do clipe…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a group of the keyboard shortcuts window</extracomment>
        <source>Window</source>
        <translation>Janela</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Camera Settings…</source>
        <translation>Configurações da câmera…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Keyboard Shortcuts</source>
        <translation>Atalhos de teclado</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a command of the main window, in the shortcuts window and the tooltips</extracomment>
        <source>Quit %1</source>
        <translation>Sair do %1</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the settings windows</extracomment>
        <source>The camera's built-in settings, written to the card with OK</source>
        <translation>As configurações de fábrica da câmera, gravadas no cartão com OK</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the settings windows</extracomment>
        <source>Write these settings to the card</source>
        <translation>Gravar estas configurações no cartão</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the settings windows</extracomment>
        <source>Close without writing anything</source>
        <translation>Fechar sem gravar nada</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the settings windows</extracomment>
        <source>Back to the List</source>
        <translation>Voltar à lista</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the settings windows</extracomment>
        <source>Erase the memory card, after asking</source>
        <translation>Apagar o cartão de memória, após confirmar</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the settings windows</extracomment>
        <source>Continue with this choice</source>
        <translation>Continuar com esta escolha</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the cause of the card error: the card went away</extracomment>
        <source>The memory card cannot be found.</source>
        <translation>O cartão de memória não foi encontrado.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the cause of the card error: the model has no settings record</extracomment>
        <source>This camera model has no settings file to write.</source>
        <translation>Este modelo de câmera não tem arquivo de configurações para gravar.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the cause of the card error: the settings file could not be read</extracomment>
        <source>The settings file on the card could not be read.</source>
        <translation>Não foi possível ler o arquivo de configurações do cartão.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the cause of the card error: the card is write-protected or mounted read-only</extracomment>
        <source>The card is read-only.</source>
        <translation>O cartão é somente leitura.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the cause of the unsupported-video alert: neither ffmpeg nor the player could read the file</extracomment>
        <source>This file is not a video that can be played.</source>
        <translation>Este arquivo não é um vídeo que possa ser reproduzido.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the cause of the unsupported-video alert: the card was pulled or the file rewritten</extracomment>
        <source>The file went away or changed while it was read.</source>
        <translation>O arquivo desapareceu ou mudou enquanto era lido.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the cause of the unsupported-video alert: the folder for converted clips cannot be made</extracomment>
        <source>The working folder cannot be written.</source>
        <translation>Não é possível gravar na pasta de trabalho.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the main window</extracomment>
        <source>Playback Speed</source>
        <translation>Velocidade de reprodução</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the main window</extracomment>
        <source>List Every Clip</source>
        <translation>Listar todos os clipes</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a button tooltip of the main window</extracomment>
        <source>List Only the Clips of This Kind</source>
        <translation>Listar apenas os clipes deste tipo</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Trips</source>
        <translation>Viagens</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Trips…</source>
        <translation>Viagens…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Start – End</source>
        <translation>Início – Fim</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Top Speed</source>
        <translation>Velocidade máx.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>G-Force Events</source>
        <translation>Eventos G</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Clips</source>
        <translation>Clipes</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Parked</source>
        <translation>Estacionado</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Reading the clips' telemetry…</source>
        <translation>Lendo os dados dos clipes…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trips window: the chosen folder seen as drives</extracomment>
        <source>Double-click a trip to play it.</source>
        <translation>Clique duas vezes numa viagem para reproduzi-la.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the command that shows the clip list grouped by trip, with a header per trip</extracomment>
        <source>Show the List by Trip</source>
        <translation>Mostrar a lista por viagem</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: a trip header for clips whose names carry no date</extracomment>
        <source>No time</source>
        <translation>Sem hora</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: column heading of the trip's statistics</extracomment>
        <source>Trip</source>
        <translation>Viagem</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: column heading of the playing clip's statistics</extracomment>
        <source>This Clip</source>
        <translation>Este clipe</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: statistics row, the distance driven</extracomment>
        <source>Distance</source>
        <translation>Distância</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: statistics row, the time the car moved</extracomment>
        <source>Moving Time</source>
        <translation>Tempo em movimento</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: statistics row, the mean speed while moving</extracomment>
        <source>Average Moving Speed</source>
        <translation>Velocidade média em movimento</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: tooltip of the trip gap setting</extracomment>
        <source>The longest pause between two clips of one trip</source>
        <translation>A pausa mais longa entre dois clipes de uma viagem</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: label of the trip gap setting</extracomment>
        <source>Gap between trips:</source>
        <translation>Intervalo entre viagens:</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: button that saves the chosen trip's track</extracomment>
        <source>Export Trip…</source>
        <translation>Exportar viagem…</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: alert when a trip's track could not be written</extracomment>
        <source>The trip's track could not be saved.</source>
        <translation>Não foi possível guardar o percurso da viagem.</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trip's timeline and speed chart, on hover: which clip of the trip and which time in it lie under the pointer (%1 the clip's number, %2 the trip's clip count, %3 the time in the clip)</extracomment>
        <source>Clip %1 of %2 · %3</source>
        <translation>Clipe %1 de %2 · %3</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the trip's speed chart when none of its clips recorded a GPS speed</extracomment>
        <source>No speed recorded</source>
        <translation>Nenhuma velocidade registrada</translation>
    </message>
    <message>
        <extracomment>Drovik Viewer's own text: the application menu item that forgets the recent folders which are no longer there</extracomment>
        <source>Clear Missing Folders</source>
        <translation>Limpar pastas ausentes</translation>
    </message>
</context>
</TS>
